#include "core/place_finder_text.h"

#include <cstdlib>

#include "core/place_finder.h"

namespace orvanta {

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// U+00C0 to U+017F as ASCII letters: '*' for the two-letter ones, '_' for the signs × and ÷.
constexpr std::string_view kLatinFolds =
    "aaaaaa*ceeeeiiiidnooooo_ouuuuy**aaaaaa*ceeeeiiiidnooooo_ouuuuy*y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkklllllll"
    "lllnnnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

std::string_view TwoLetterFold(char32_t c) {
    switch (c) {
        case 0xC6:
        case 0xE6:
            return "ae";
        case 0xDE:
        case 0xFE:
            return "th";
        case 0xDF:
            return "ss";
        case 0x132:
        case 0x133:
            return "ij";
        default:  // Œ and œ
            return "oe";
    }
}

// The code point at `i`, which moves past it; kInvalid for a byte that begins none, which moves one.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    const std::size_t length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xC0 ? 2 : 0;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < text.size() && (byte(i + k) & 0xC0) == 0x80; ++k) {
        c = (c << 6) | (byte(i + k) & 0x3F);
        if (k + 1 == length) {
            constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
            if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
                break;
            }
            i += length;
            return c;
        }
    }
    ++i;
    return kInvalid;
}

// Signs, spaces and punctuation outside ASCII, as far as names and typing meet them.
bool IsSeparator(char32_t c) {
    return c == kInvalid || (c >= 0x80 && c < 0xC0) || (c >= 0x2000 && c < 0x2070) || c == 0x2212 ||
           (c >= 0x3000 && c < 0x3040) || c == 0xFEFF || (c >= 0xFF01 && c <= 0xFF0F);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view TakeDigits(std::string_view& text, std::size_t most) {
    std::size_t count = 0;
    while (count < text.size() && count < most && IsDigit(text[count])) {
        ++count;
    }
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

int NumberOf(std::string_view digits) {
    int value = 0;
    for (const char digit : digits) {
        value = value * 10 + (digit - '0');
    }
    return value;
}

// "+05:45" over the six characters at `text`; up to 99 hours.
void WriteDifference(int minutes, char* text) {
    const int whole = std::abs(minutes) % (100 * 60);
    const int parts[] = {whole / 60, whole % 60};
    text[0] = minutes < 0 ? '-' : '+';
    for (int i = 0; i < 2; ++i) {
        text[1 + 3 * i] = static_cast<char>('0' + parts[i] / 10);
        text[2 + 3 * i] = static_cast<char>('0' + parts[i] % 10);
    }
}

}  // namespace

std::string FoldForMatching(std::string_view utf8) {
    std::string folded;
    bool apart = false;
    const auto put = [&](std::string_view letters) {
        if (apart && !folded.empty()) {
            folded += ' ';
        }
        apart = false;
        folded += letters;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t c = NextCodePoint(utf8, i);
        if (c < 0x80) {
            const char ascii = static_cast<char>(c);
            const char lower = ascii >= 'A' && ascii <= 'Z' ? static_cast<char>(ascii - 'A' + 'a') : ascii;
            (lower >= 'a' && lower <= 'z') || IsDigit(lower) ? put({&lower, 1}) : void(apart = true);
        } else if (c >= 0xC0 && c < 0x180) {
            const char letter = kLatinFolds[c - 0xC0];
            letter == '*' ? put(TwoLetterFold(c)) : letter == '_' ? void(apart = true) : put({&letter, 1});
        } else if (IsSeparator(c)) {
            apart = true;
        } else {
            put(utf8.substr(start, i - start));
        }
    }
    return folded;
}

std::string UtcDifferenceText(int minutes) {
    std::string text = "(UTC+00:00)";
    WriteDifference(minutes, text.data() + 4);
    return text;
}

Words SplitWords(std::string_view folded) {
    Words words;
    while (!folded.empty()) {
        const std::size_t space = folded.find(' ');
        words.push_back(folded.substr(0, space));
        folded.remove_prefix(space == std::string_view::npos ? folded.size() : space + 1);
    }
    return words;
}

bool HasVisibleText(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ' && c != '\x7F') {
            return true;
        }
    }
    return false;
}

std::string_view WithoutDifference(std::string_view displayName) {
    const std::size_t close = displayName.find(')');
    if ((displayName.starts_with("(UTC") || displayName.starts_with("(GMT")) && close != std::string_view::npos) {
        const std::string_view rest = Trim(displayName.substr(close + 1));
        if (!rest.empty()) {
            return rest;
        }
    }
    return displayName;
}

std::vector<std::string_view> DisplayNameParts(std::string_view displayName) {
    std::vector<std::string_view> parts;
    std::string_view rest = WithoutDifference(displayName);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view part = Trim(rest.substr(0, comma));
        if (!part.empty()) {
            parts.push_back(part);
        }
        rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
    }
    return parts;
}

bool IsPlaceName(std::string_view part) {
    const std::string folded = FoldForMatching(part);
    for (const std::string_view word : SplitWords(folded)) {
        if (word == "time" || IsDigit(word.front())) {
            return false;
        }
    }
    return !folded.empty();
}

std::optional<TypedDifference> ReadDifference(std::string_view typed) {
    std::string_view rest = Trim(typed);
    const std::string prefix = FoldForMatching(rest.substr(0, 3));
    if (prefix == "utc" || prefix == "gmt") {
        rest = Trim(rest.substr(3));
    }
    TypedDifference difference;
    constexpr std::string_view kMinusSign = "\xE2\x88\x92";
    if (rest.starts_with(kMinusSign)) {
        difference.sign = '-';
        rest.remove_prefix(kMinusSign.size());
    } else if (rest.starts_with('+') || rest.starts_with('-')) {
        difference.sign = rest.front();
        rest.remove_prefix(1);
    } else {
        return std::nullopt;
    }
    const std::string_view digits = TakeDigits(rest, 5);
    if (digits.empty() || digits.size() > 4) {
        return std::nullopt;
    }
    // "+0545" is hours and minutes; "+545" too.
    const std::size_t hourDigits = digits.size() > 2 ? digits.size() - 2 : digits.size();
    difference.hours = digits.substr(0, hourDigits);
    difference.minutesGiven = digits.size() > 2;
    difference.minutes = digits.substr(hourDigits);
    std::optional<int> fraction;  // of an hour in decimals, in minutes: "+5.75"
    if (!difference.minutesGiven && rest.starts_with(':')) {
        rest.remove_prefix(1);
        difference.minutesGiven = true;
        difference.minutes = TakeDigits(rest, 2);
    } else if (!difference.minutesGiven && rest.starts_with('.')) {
        rest.remove_prefix(1);
        const std::string_view decimals = TakeDigits(rest, 2);
        const int scale = decimals.size() == 2 ? 100 : 10;
        fraction = decimals.empty() ? 0 : NumberOf(decimals) * 60 % scale == 0 ? NumberOf(decimals) * 60 / scale : -1;
    }
    const int hours = NumberOf(difference.hours);
    const int minutes = NumberOf(difference.minutes);
    if (!Trim(rest).empty() || hours > 14 || minutes >= 60) {
        return std::nullopt;
    }
    difference.decimal = fraction.has_value();
    if (fraction) {
        difference.exactMinutes = *fraction < 0 ? -1 : hours * 60 + *fraction;
    } else if (difference.minutes.size() != 1) {
        difference.exactMinutes = hours * 60 + minutes;
    }
    return difference;
}

DifferenceMatch MatchDifference(const TypedDifference& typed, int minutes) {
    const char sign = minutes < 0 ? '-' : minutes > 0 ? '+' : typed.sign;
    const int whole = std::abs(minutes);
    if (sign != typed.sign) {
        return DifferenceMatch::kNone;
    }
    if (typed.exactMinutes == whole) {
        return DifferenceMatch::kExact;
    }
    if (typed.decimal) {
        return DifferenceMatch::kNone;
    }
    // What was typed may be the beginning of "05:45" or of "5:45".
    char written[6];
    WriteDifference(whole, written);
    const auto begins = [&typed](std::string_view shown) {
        const std::string_view hours = shown.substr(0, shown.size() - 3);
        return typed.minutesGiven ? hours == typed.hours && shown.substr(hours.size() + 1).starts_with(typed.minutes)
                                  : hours.starts_with(typed.hours);
    };
    const std::string_view padded(written + 1, 5);
    return begins(padded) || (padded.front() == '0' && begins(padded.substr(1))) ? DifferenceMatch::kBeginning
                                                                                 : DifferenceMatch::kNone;
}

}  // namespace orvanta
