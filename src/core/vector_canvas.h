#pragma once

// Anti-aliased shapes painted into pixels by our own code. A pixel's coverage comes from the distance
// between its centre and the shape's edge, so edges stay smooth at any size without supersampling.
// Shapes are given in the drawing's own units, which a transform maps onto the pixels: a drawing made
// once is sharp at 96 DPI, at 144 or at any other resolution.

#include <cstdint>
#include <vector>

namespace orvanta {

struct Point2 {
    double x = 0;
    double y = 0;
};

// Where the drawing's units land: (x, y) at (offsetX + x * scaleX, offsetY + y * scaleY) pixels.
// Widths and radii scale by the mean of the two scales.
struct Transform {
    double scaleX = 1;
    double scaleY = 1;
    double offsetX = 0;
    double offsetY = 0;

    // This transform applied after `inner`: a part drawn in units of its own inside the drawing.
    Transform After(const Transform& inner) const {
        return {scaleX * inner.scaleX, scaleY * inner.scaleY, offsetX + scaleX * inner.offsetX,
                offsetY + scaleY * inner.offsetY};
    }
};

// A colour (0xAARRGGBB, straight alpha) that is the same everywhere, or that runs from `top` at
// y = fromY to `bottom` at y = toY (drawing units) and keeps each end's colour beyond it.
struct Shade {
    std::uint32_t top = 0;
    std::uint32_t bottom = 0;
    double fromY = 0;
    double toY = 0;
};

constexpr Shade Solid(std::uint32_t argb) {
    return {argb, argb, 0, 0};
}

enum class LineCap : std::uint8_t { Butt, Round };

class VectorCanvas {
  public:
    // width x height pixels of `background` (0xAARRGGBB); 0 leaves them transparent.
    VectorCanvas(int width, int height, std::uint32_t background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const Transform& CurrentTransform() const { return transform_; }
    void SetTransform(const Transform& transform) { transform_ = transform; }

    void FillEllipse(Point2 centre, double radiusX, double radiusY, const Shade& shade);
    void FillRoundRect(Point2 topLeft, Point2 bottomRight, double radius, const Shade& shade);
    // The outline, centred on the edge of the filled shape of the same corners.
    void StrokeRoundRect(Point2 topLeft, Point2 bottomRight, double radius, double width, const Shade& shade);
    void StrokeLine(Point2 from, Point2 to, double width, LineCap cap, const Shade& shade);
    // Part of an ellipse's outline with round ends, from one angle to a greater one, in degrees
    // clockwise on the screen from the right (0..360 draws the whole outline).
    void StrokeArc(Point2 centre,
                   double radiusX,
                   double radiusY,
                   double fromDegrees,
                   double toDegrees,
                   double width,
                   const Shade& shade);

    // Premultiplied 0xAARRGGBB words, rows top down: in memory blue, green, red and alpha, as a
    // top-down 32-bit device-independent bitmap takes them.
    std::vector<std::uint32_t> Pixels() const;

  private:
    struct Box {
        int left;
        int top;
        int right;  // one past the last column
        int bottom;
    };
    Point2 Map(Point2 point) const;
    double MapLength(double length) const;
    // Pixels around a rectangle of pixel coordinates, one more on each side, within the canvas.
    Box Around(double left, double top, double right, double bottom) const;
    // Columns, by the pixel coordinates of their centres; empty where left > right.
    struct Span {
        double left;
        double right;
    };
    // Takes the greater of each pixel's coverage so far and what `coverageAt` gives at its centre: a
    // shape made of parts (an arc's segments) covers each pixel once, where they overlap too. The
    // pixels of a row that `interiorAt` its centre's y gives are covered whole without asking.
    template <typename CoverageAt, typename InteriorAt>
    void Cover(Box box, CoverageAt coverageAt, InteriorAt interiorAt);
    void CoverSegment(Point2 from, Point2 to, double halfWidth, LineCap cap);
    void RoundRect(Point2 topLeft,
                   Point2 bottomRight,
                   double radius,
                   bool filled,
                   double strokeWidth,
                   const Shade& shade);
    // Lays the shade over the pixels covered since the last time, as far as they are covered.
    void Apply(const Shade& shade);

    int width_;
    int height_;
    Transform transform_;
    std::vector<float> pixels_;    // premultiplied red, green, blue, alpha, 0..1
    std::vector<float> coverage_;  // of the shape being drawn
    Box covered_{0, 0, 0, 0};
};

}  // namespace orvanta
