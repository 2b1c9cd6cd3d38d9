// Prints the keypad as the page shows it from its first paint: the
// faces as SVG, drawn from the description the window paints from, the
// gradients and the grey they share, and the style rules that place the keys
// and colour their focus rings. The page's build only puts these in place.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "assets/face_pictures.h"
#include "drawing/face_description.h"
#include "drawing/twips.h"
#include "tables/button_table.h"
#include "tables/display_table.h"

namespace orvane {
namespace {

// The shortest text that reads back as the same number.
std::string Number(double value) {
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char text[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return text;
}

// A colour as CSS takes it, keeping the 16-bit channels' shades to nine digits.
std::string CssColour(const drawing::Colour& colour) {
    char text[96];
    std::snprintf(text, sizeof text, "rgb(%.9g %.9g %.9g / %.9g)", colour.red / 257.0,
                  colour.green / 257.0, colour.blue / 257.0, colour.alpha / 65535.0);
    return text;
}

std::string Attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

std::string Attribute(std::string_view name, double value) {
    return Attribute(name, Number(value));
}

// A length in hundredths of a pixel, as few characters as SVG reads it.
std::string Hundredths(long value) {
    const long whole = std::labs(value) / 100, part = std::labs(value) % 100;
    std::string fraction;
    if (part) {
        char text[8];
        std::snprintf(text, sizeof text, ".%02ld", part);
        fraction = text;
        while (fraction.back() == '0') fraction.pop_back();
    }
    return (value < 0 ? "-" : "") + (whole || fraction.empty() ? std::to_string(whole) : "") +
           fraction;
}

// A glyph's outline to a hundredth of a pixel, which no screen shows finer,
// written as moves from the last point: most of the page's bytes are these
// outlines, and the fewer there are the sooner the keys are drawn.
std::string ShortPath(const char* path) {
    std::vector<std::string> words;
    for (const char* at = path; *at;) {
        const char* end = at;
        while (*end && *end != ' ') ++end;
        if (end != at) words.emplace_back(at, end);
        at = *end ? end + 1 : end;
    }
    std::string out, last;
    long atX = 0, atY = 0, startX = 0, startY = 0;
    for (std::size_t i = 0; i < words.size();) {
        const std::string command = words[i++];
        if (command == "Z") {
            out += 'z';
            atX = startX, atY = startY, last = "z";
            continue;
        }
        const int count = command == "C" ? 3 : 1;
        std::vector<long> moves;
        long x = 0, y = 0;
        for (int k = 0; k < count; ++k, i += 2) {
            x = std::lround(std::nearbyint(std::strtod(words[i].c_str(), nullptr) * 100));
            y = std::lround(std::nearbyint(std::strtod(words[i + 1].c_str(), nullptr) * 100));
            moves.insert(moves.end(), {x - atX, y - atY});
        }
        std::string name(1, static_cast<char>(command[0] - 'A' + 'a'));
        if (name == "l" && moves[1] == 0) {
            name = "h", moves.resize(1);
        } else if (name == "l" && moves[0] == 0) {
            name = "v", moves.erase(moves.begin());
        }
        out += name != last || name == "m" ? name : " ";
        for (std::size_t m = 0; m < moves.size(); ++m) out += (m ? " " : "") + Hundredths(moves[m]);
        atX = x, atY = y, last = name;
        if (command == "M") startX = x, startY = y;
    }
    for (std::size_t at; (at = out.find(" -")) != std::string::npos;) out.erase(at, 1);
    return out;
}

// One gradient per family, and the grey of a key that can never be pressed,
// shared by all faces.
std::string Paints() {
    std::string out = "<svg width=\"0\" height=\"0\" aria-hidden=\"true\" class=\"paints\"><defs>";
    for (int family = 0; family < static_cast<int>(std::size(faces::kFamilies)); ++family) {
        const faces::FacePicture picture = {0, 1, 1, family, false, 0};
        out += "<linearGradient" + Attribute("id", "family" + std::to_string(family)) +
               " x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">";
        for (const drawing::GradientStop& stop : drawing::DescribeFace(picture, false).gradient) {
            out += "<stop" + Attribute("offset", stop.offset) +
                   Attribute("stop-color", CssColour(stop.colour)) + "></stop>";
        }
        out += "</linearGradient>";
    }
    // Each channel becomes the grey's share of the pixel plus the base.
    std::string row;
    for (const int weight : drawing::kGreyWeights)
        row += Number(double(weight) / drawing::kGreyDivisor) + " ";
    row += "0 " + Number(drawing::kGreyBase / 255.0);
    return out +
           "<filter id=\"unavailable\" color-interpolation-filters=\"sRGB\"><feColorMatrix "
           "type=\"matrix\"" +
           Attribute("values", row + " " + row + " " + row + " 0 0 0 1 0") +
           "></feColorMatrix></filter></defs></svg>";
}

// A face as the desktop paints it. The glyph is written out each time it is
// drawn: a <use> would cost the first frame a shadow tree to style per glyph.
std::string FaceSvg(const faces::FacePicture& picture, bool greyed) {
    const drawing::FaceDescription face = drawing::DescribeFace(picture, greyed);
    const std::string outline = ShortPath(faces::kGlyphPaths[picture.path]);
    const std::string rule = face.evenOdd ? "evenodd" : "nonzero";
    std::string out =
        "<svg class=\"face\"" + Attribute("width", face.width) + Attribute("height", face.height) +
        Attribute("viewBox", "0 0 " + Number(face.width) + " " + Number(face.height)) +
        " aria-hidden=\"true\">";
    if (face.greyed) out += "<g filter=\"url(#unavailable)\">";
    const drawing::Rectangle& body = face.body;
    out += "<rect" + Attribute("x", body.x) + Attribute("y", body.y) +
           Attribute("width", body.width) + Attribute("height", body.height) +
           Attribute("rx", body.cornerRadius) +
           Attribute("fill", "url(#family" + std::to_string(face.family) + ")") +
           Attribute("stroke", CssColour(face.border)) +
           Attribute("stroke-width", face.borderWidth) + "></rect>";
    const drawing::Line& sheen = face.sheen;
    out += "<line" + Attribute("x1", sheen.x1) + Attribute("y1", sheen.y1) +
           Attribute("x2", sheen.x2) + Attribute("y2", sheen.y2) +
           Attribute("stroke", CssColour(sheen.colour)) + Attribute("stroke-width", sheen.width) +
           "></line>";
    if (drawing::Drawn(face.shadow)) {
        out += "<path" + Attribute("d", outline) + Attribute("fill", CssColour(face.shadow)) +
               Attribute("fill-rule", rule) +
               Attribute("transform", "translate(" + Number(face.shadowOffset) + " " +
                                          Number(face.shadowOffset) + ")") +
               "></path>";
    }
    out += "<path" + Attribute("d", outline) + Attribute("fill", CssColour(face.fill)) +
           Attribute("fill-rule", rule);
    if (drawing::Drawn(face.outline)) {
        out += Attribute("stroke", CssColour(face.outline)) +
               Attribute("stroke-width", face.outlineWidth);
    }
    return out + "></path>" + (face.greyed ? "</g>" : "") + "</svg>";
}

// A channel as the colour's CSS text gives it.
double Shade(std::uint16_t channel) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", channel / 257.0);
    return std::strtod(text, nullptr);
}

// Relative luminance of an (r, g, b) in 0-255, as WCAG measures it.
double Luminance(const std::array<double, 3>& colour) {
    const double weights[] = {0.2126, 0.7152, 0.0722};
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
        const double c = colour[i];
        sum +=
            weights[i] * (c <= 10.3 ? c / 255 / 12.92 : std::pow((c / 255 + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double Contrast(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    const auto [dark, light] = std::minmax(Luminance(a), Luminance(b));
    return (light + 0.05) / (dark + 0.05);
}

const faces::FacePicture* FindFace(int button) {
    for (const faces::FacePicture& face : faces::kFaces) {
        if (face.button == button) return &face;
    }
    return nullptr;
}

// The focus ring's colour on each face: the one of black and white that
// stands out most against every shade of the face and the window behind it.
std::vector<std::string> RingRules() {
    // The window's colour behind the keys.
    constexpr std::array<double, 3> kWindow = {128, 128, 255};
    const std::pair<const char*, std::array<double, 3>> rings[] = {{"#000", {0, 0, 0}},
                                                                   {"#fff", {255, 255, 255}}};
    std::vector<std::pair<std::string, std::string>> keys;  // ring, selectors
    for (const ButtonSpec& button : kButtons) {
        if (button.action == KeyAction::None) continue;
        const faces::FamilyPaint& paint = faces::kFamilies[FindFace(button.number)->family];
        std::vector<std::array<double, 3>> shades = {kWindow};
        for (const drawing::Colour& c : {paint.top, paint.middle, paint.bottom}) {
            shades.push_back({Shade(c.red), Shade(c.green), Shade(c.blue)});
        }
        const char* best = nullptr;
        double bestLeast = -1;
        for (const auto& [name, colour] : rings) {
            double least = 1e9;
            for (const auto& shade : shades) least = std::min(least, Contrast(colour, shade));
            if (least > bestLeast) best = name, bestLeast = least;
        }
        if (bestLeast < 3) {
            std::fprintf(stderr, "no focus ring stands out on key %d\n", button.number);
            std::exit(1);
        }
        auto group = std::find_if(keys.begin(), keys.end(),
                                  [&](const auto& key) { return key.first == best; });
        if (group == keys.end()) group = keys.insert(keys.end(), {best, ""});
        group->second += (group->second.empty() ? "" : ", ") + std::string("#Command") +
                         std::to_string(button.number) + ":focus-visible";
    }
    std::vector<std::string> rules;
    for (const auto& [ring, selectors] : keys)
        rules.push_back(selectors + " { outline-color: " + ring + "; }");
    return rules;
}

std::string Place(const std::string& selector, const TwipsRect& rect) {
    return selector + " { left: " + std::to_string(TwipsToPixels(rect.left)) +
           "px; top: " + std::to_string(TwipsToPixels(rect.top)) +
           "px; width: " + std::to_string(TwipsToPixels(rect.width)) +
           "px; height: " + std::to_string(TwipsToPixels(rect.height)) + "px; }";
}

// A line each: "paints" and the shared defs; "face", the button's number and
// its face, for every face; "rule" and each style rule, the keys' places in
// tab order, then the rings' colours, then the displays' places. None of
// them spans a line.
void PrintKeypad() {
    std::printf("paints %s\n", Paints().c_str());
    for (const ButtonSpec& button : kButtons) {
        if (const faces::FacePicture* face = FindFace(button.number)) {
            std::printf("face %d %s\n", button.number,
                        FaceSvg(*face, button.action == KeyAction::None).c_str());
        }
    }
    std::vector<const ButtonSpec*> inTabOrder;
    for (const ButtonSpec& button : kButtons) inTabOrder.push_back(&button);
    std::stable_sort(inTabOrder.begin(), inTabOrder.end(),
                     [](auto a, auto b) { return a->tab < b->tab; });
    for (const ButtonSpec* button : inTabOrder)
        std::printf("rule %s\n",
                    Place("#Command" + std::to_string(button->number), button->rect).c_str());
    for (const std::string& rule : RingRules()) std::printf("rule %s\n", rule.c_str());
    for (const DisplayRow& display : kDisplays) {
        const std::string id = "#Label" + std::to_string(static_cast<int>(display.label));
        std::printf("rule %s\n", Place(id, display.rect).c_str());
    }
}

}  // namespace
}  // namespace orvane

int main() { orvane::PrintKeypad(); }
