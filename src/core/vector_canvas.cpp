#include "core/vector_canvas.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <utility>

namespace orvanta {

namespace {

// std::hypot guards against overflow that these sizes never reach, at several times the cost.
double Length(double x, double y) {
    return std::sqrt(x * x + y * y);
}

struct Rgba {
    float r;
    float g;
    float b;
    float a;
};

Rgba Unpack(std::uint32_t argb) {
    return {static_cast<float>((argb >> 16) & 0xFF) / 255.0f, static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(argb & 0xFF) / 255.0f, static_cast<float>(argb >> 24) / 255.0f};
}

// A pixel whose centre lies half a pixel inside an edge is covered whole, one whose centre lies half a
// pixel outside not at all: the share of a pixel-wide box that a straight edge covers.
float EdgeCoverage(double distance) {
    return static_cast<float>(std::clamp(0.5 - distance, 0.0, 1.0));
}

// The share of a pixel-wide box, centred `distance` from a line, that a band of halfWidth on each
// side of that line covers: exact for strokes thinner than a pixel too.
float BandCoverage(double distance, double halfWidth) {
    return static_cast<float>(
        std::clamp(std::min(distance + 0.5, halfWidth) - std::max(distance - 0.5, -halfWidth), 0.0, 1.0));
}

// Distance from an ellipse's edge, negative inside: exact for a circle, and close to the edge (all that
// anti-aliasing needs) for any ellipse. x and y from its centre.
double EllipseDistance(double x, double y, double radiusX, double radiusY) {
    const double k0 = Length(x / radiusX, y / radiusY);
    const double k1 = Length(x / (radiusX * radiusX), y / (radiusY * radiusY));
    return k1 > 0 ? k0 * (k0 - 1) / k1 : -std::min(radiusX, radiusY);
}

// Distance from the edge of a rectangle with round corners, negative inside. x and y from its centre.
double RoundRectDistance(double x, double y, double halfWidth, double halfHeight, double radius) {
    const double qx = std::abs(x) - halfWidth + radius;
    const double qy = std::abs(y) - halfHeight + radius;
    return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
}

// A straight stroke, worked out once and asked for many pixels.
class Segment {
  public:
    Segment(Point2 from, Point2 to, double halfWidth, LineCap cap)
        : from_(from), length_(Length(to.x - from.x, to.y - from.y)), halfWidth_(halfWidth), cap_(cap) {
        if (length_ > 1e-9) {
            unitX_ = (to.x - from.x) / length_;
            unitY_ = (to.y - from.y) / length_;
        }
    }

    float CoverageAt(double x, double y) const {
        const double along = (x - from_.x) * unitX_ + (y - from_.y) * unitY_;
        const double across = std::abs((x - from_.x) * unitY_ - (y - from_.y) * unitX_);
        if (cap_ == LineCap::Round) {
            return BandCoverage(Length(along - std::clamp(along, 0.0, length_), across), halfWidth_);
        }
        return BandCoverage(across, halfWidth_) * BandCoverage(std::abs(along - length_ / 2), length_ / 2);
    }

  private:
    Point2 from_;
    double length_;
    double unitX_ = 1;  // a round dot where the ends meet
    double unitY_ = 0;
    double halfWidth_;
    LineCap cap_;
};

}  // namespace

VectorCanvas::VectorCanvas(int width, int height, std::uint32_t background)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    const auto count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    const Rgba colour = Unpack(background);
    const float premultiplied[4] = {colour.r * colour.a, colour.g * colour.a, colour.b * colour.a, colour.a};
    pixels_.resize(count * 4);
    for (std::size_t i = 0; i < pixels_.size(); i += 4) {
        std::copy(premultiplied, premultiplied + 4, &pixels_[i]);
    }
    coverage_.assign(count, 0.0f);
}

Point2 VectorCanvas::Map(Point2 point) const {
    return {transform_.offsetX + point.x * transform_.scaleX, transform_.offsetY + point.y * transform_.scaleY};
}

double VectorCanvas::MapLength(double length) const {
    return length * std::sqrt(std::abs(transform_.scaleX * transform_.scaleY));
}

VectorCanvas::Box VectorCanvas::Around(double left, double top, double right, double bottom) const {
    const auto column = [this](double x) { return static_cast<int>(std::clamp(x, 0.0, double(width_))); };
    const auto row = [this](double y) { return static_cast<int>(std::clamp(y, 0.0, double(height_))); };
    return {column(std::floor(left) - 1), row(std::floor(top) - 1), column(std::ceil(right) + 1),
            row(std::ceil(bottom) + 1)};
}

template <typename CoverageAt, typename InteriorAt>
void VectorCanvas::Cover(Box box, CoverageAt coverageAt, InteriorAt interiorAt) {
    if (box.left >= box.right || box.top >= box.bottom) {
        return;
    }
    for (int y = box.top; y < box.bottom; ++y) {
        float* row = &coverage_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)];
        // Only the pixels along the edges need their coverage worked out; those inside are covered.
        const Span interior = interiorAt(y + 0.5);
        const int from =
            static_cast<int>(std::clamp(std::ceil(interior.left - 0.5), double(box.left), double(box.right)));
        const int to =
            static_cast<int>(std::clamp(std::floor(interior.right - 0.5) + 1, double(from), double(box.right)));
        for (int x = box.left; x < box.right; ++x) {
            row[x] = x >= from && x < to ? 1.0f : std::max(row[x], coverageAt(x + 0.5, y + 0.5));
        }
    }
    if (covered_.left >= covered_.right) {
        covered_ = box;
        return;
    }
    covered_ = {std::min(covered_.left, box.left), std::min(covered_.top, box.top), std::max(covered_.right, box.right),
                std::max(covered_.bottom, box.bottom)};
}

void VectorCanvas::Apply(const Shade& shade) {
    const Box box = covered_;
    covered_ = {0, 0, 0, 0};
    const Rgba top = Unpack(shade.top);
    const Rgba bottom = Unpack(shade.bottom);
    const double fromY = Map({0, shade.fromY}).y;
    const double toY = Map({0, shade.toY}).y;
    for (int y = box.top; y < box.bottom; ++y) {
        const auto t = static_cast<float>(toY != fromY ? std::clamp((y + 0.5 - fromY) / (toY - fromY), 0.0, 1.0) : 0.0);
        const Rgba colour = {top.r + (bottom.r - top.r) * t, top.g + (bottom.g - top.g) * t,
                             top.b + (bottom.b - top.b) * t, top.a + (bottom.a - top.a) * t};
        for (int x = box.left; x < box.right; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x;
            if (coverage_[at] <= 0) {
                continue;
            }
            const float alpha = colour.a * std::exchange(coverage_[at], 0.0f);
            float* pixel = &pixels_[at * 4];
            const float behind = 1 - alpha;  // 0 where an opaque colour covers the pixel whole
            pixel[0] = colour.r * alpha + pixel[0] * behind;
            pixel[1] = colour.g * alpha + pixel[1] * behind;
            pixel[2] = colour.b * alpha + pixel[2] * behind;
            pixel[3] = alpha + pixel[3] * behind;
        }
    }
}

void VectorCanvas::FillEllipse(Point2 centre, double radiusX, double radiusY, const Shade& shade) {
    const Point2 c = Map(centre);
    const double rx = std::abs(radiusX * transform_.scaleX);
    const double ry = std::abs(radiusY * transform_.scaleY);
    if (rx <= 0 || ry <= 0) {
        return;
    }
    // Pixel centres a pixel inside the edge all along are covered whole.
    const double innerX = rx - 1;
    const double innerY = ry - 1;
    Cover(
        Around(c.x - rx, c.y - ry, c.x + rx, c.y + ry),
        [&](double x, double y) { return EdgeCoverage(EllipseDistance(x - c.x, y - c.y, rx, ry)); },
        [&](double y) {
            const double share = innerX > 0 && innerY > 0 ? 1 - (y - c.y) * (y - c.y) / (innerY * innerY) : -1;
            const double half = share > 0 ? innerX * std::sqrt(share) : -1;
            return Span{c.x - half, c.x + half};
        });
    Apply(shade);
}

void VectorCanvas::FillRoundRect(Point2 topLeft, Point2 bottomRight, double radius, const Shade& shade) {
    RoundRect(topLeft, bottomRight, radius, true, 0, shade);
}

void VectorCanvas::StrokeRoundRect(Point2 topLeft,
                                   Point2 bottomRight,
                                   double radius,
                                   double width,
                                   const Shade& shade) {
    RoundRect(topLeft, bottomRight, radius, false, width, shade);
}

void VectorCanvas::RoundRect(Point2 topLeft,
                             Point2 bottomRight,
                             double radius,
                             bool filled,
                             double strokeWidth,
                             const Shade& shade) {
    const Point2 a = Map(topLeft);
    const Point2 b = Map(bottomRight);
    const Point2 c = {(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double halfWidth = std::abs(b.x - a.x) / 2;
    const double halfHeight = std::abs(b.y - a.y) / 2;
    const double r = std::clamp(MapLength(radius), 0.0, std::min(halfWidth, halfHeight));
    const double halfStroke = filled ? 0 : MapLength(strokeWidth) / 2;
    // Inside a pixel from the edge, a filled shape covers each pixel whole.
    const double innerWidth = filled ? halfWidth - 1 : -1;
    const double innerHeight = halfHeight - 1;
    const double innerRadius = std::max(r - 1, 0.0);
    Cover(
        Around(c.x - halfWidth - halfStroke, c.y - halfHeight - halfStroke, c.x + halfWidth + halfStroke,
               c.y + halfHeight + halfStroke),
        [&](double x, double y) {
            const double distance = RoundRectDistance(x - c.x, y - c.y, halfWidth, halfHeight, r);
            return filled ? EdgeCoverage(distance) : BandCoverage(std::abs(distance), halfStroke);
        },
        [&](double y) {
            const double intoCorner = std::abs(y - c.y) - (innerHeight - innerRadius);
            double half = innerWidth;
            if (innerWidth < 0 || intoCorner > innerRadius) {
                half = -1;
            } else if (intoCorner > 0) {
                half = innerWidth - innerRadius + std::sqrt(innerRadius * innerRadius - intoCorner * intoCorner);
            }
            return Span{c.x - half, c.x + half};
        });
    Apply(shade);
}

void VectorCanvas::CoverSegment(Point2 from, Point2 to, double halfWidth, LineCap cap) {
    Cover(
        Around(std::min(from.x, to.x) - halfWidth, std::min(from.y, to.y) - halfWidth,
               std::max(from.x, to.x) + halfWidth, std::max(from.y, to.y) + halfWidth),
        [segment = Segment(from, to, halfWidth, cap)](double x, double y) { return segment.CoverageAt(x, y); },
        [](double) {
            return Span{1, 0};
        });
}

void VectorCanvas::StrokeLine(Point2 from, Point2 to, double width, LineCap cap, const Shade& shade) {
    CoverSegment(Map(from), Map(to), MapLength(width) / 2, cap);
    Apply(shade);
}

void VectorCanvas::StrokeArc(Point2 centre,
                             double radiusX,
                             double radiusY,
                             double fromDegrees,
                             double toDegrees,
                             double width,
                             const Shade& shade) {
    const double sweep = std::clamp(toDegrees - fromDegrees, 0.0, 360.0) * std::numbers::pi / 180;
    const double longest = std::max(std::abs(radiusX * transform_.scaleX), std::abs(radiusY * transform_.scaleY));
    // Chords of at most three pixels stray from the curve by a few hundredths of a pixel.
    const int segments = std::clamp(static_cast<int>(std::ceil(longest * sweep / 3)), 4, 4096);
    const double halfWidth = MapLength(width) / 2;
    const auto at = [&](int i) {
        const double angle = fromDegrees * std::numbers::pi / 180 + sweep * i / segments;
        return Map({centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)});
    };
    Point2 previous = at(0);
    for (int i = 1; i <= segments; ++i) {
        const Point2 next = at(i);
        CoverSegment(previous, next, halfWidth, LineCap::Round);
        previous = next;
    }
    Apply(shade);
}

std::vector<std::uint32_t> VectorCanvas::Pixels() const {
    std::vector<std::uint32_t> out(coverage_.size());
    // A float-to-integer cast makes x87 code switch its rounding mode, for every channel; added to
    // 1.5 * 2^23, a float's own rounding leaves the nearest whole number in its low bits instead.
    const auto byte = [](float value) {
        const float shifted = std::clamp(value, 0.0f, 1.0f) * 255.0f + 12582912.0f;
        return std::bit_cast<std::uint32_t>(shifted) & 0xFF;
    };
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float* pixel = &pixels_[i * 4];
        out[i] = byte(pixel[3]) << 24 | byte(pixel[0]) << 16 | byte(pixel[1]) << 8 | byte(pixel[2]);
    }
    return out;
}

}  // namespace orvanta
