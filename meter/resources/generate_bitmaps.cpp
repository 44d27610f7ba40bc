// Draws the meter window's seventeen bitmaps (bmp01000.png ... bmp01016.png).
// The PNGs are committed; run this only to change the artwork:
//   kelvaro-generate-bitmaps <output folder>

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

struct Colour
{
    double r, g, b;
};

// One palette for the whole window so the pictures belong together.
constexpr Colour kMagenta{1.0, 0.0, 1.0};
constexpr Colour kPanel{0.105, 0.118, 0.137};
constexpr Colour kPanelLight{0.160, 0.176, 0.200};
constexpr Colour kWell{0.035, 0.040, 0.047};
constexpr Colour kEdge{0.270, 0.290, 0.320};
constexpr Colour kLegend{0.640, 0.670, 0.700};
constexpr Colour kFigure{0.780, 0.800, 0.820};
constexpr Colour kTitle{0.900, 0.920, 0.940};
constexpr Colour kAccent{0.960, 0.650, 0.180};
constexpr Colour kRed{0.900, 0.150, 0.120};
constexpr Colour kYellow{0.950, 0.800, 0.150};
constexpr Colour kGreen{0.200, 0.780, 0.300};
constexpr Colour kPointer{0.600, 0.880, 1.000};
constexpr Colour kGrey{0.300, 0.310, 0.330};

// Scale geometry: 0 dB at y 126, -48 dB at y 608.
constexpr int kScaleTop = 126;
constexpr int kScaleBottom = 608;
constexpr int kScaleRange = 48;

int scaleY(int dB)
{
    return kScaleTop + static_cast<int>(std::lround(dB * double(kScaleBottom - kScaleTop) / kScaleRange));
}

enum class Align { left, centre, right };

class Canvas
{
public:
    Canvas(int width, int height)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr(cairo_create(surface))
    {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    }
    ~Canvas()
    {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void fill(double x, double y, double w, double h, Colour c)
    {
        setColour(c);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
    }

    void roundedBox(double x, double y, double w, double h, double radius, Colour c)
    {
        setColour(c);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
        cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
        cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
        cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
        cairo_close_path(cr);
        cairo_fill(cr);
    }

    void verticalGradient(double x, double y, double w, double h, Colour top, Colour bottom)
    {
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y, 0, y + h);
        cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
        cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r, bottom.g, bottom.b);
        cairo_set_source(cr, gradient);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
        cairo_pattern_destroy(gradient);
    }

    // Crisp one-pixel horizontal line on the pixel row y.
    void hline(double x0, double x1, int y, Colour c)
    {
        fill(x0, y, x1 - x0, 1, c);
    }

    void text(const std::string& s, double x, double baseline, Align align, double size, Colour c,
              bool bold = false)
    {
        cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, size);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, s.c_str(), &extents);
        double start = x;
        if (align == Align::centre)
            start = x - extents.x_advance / 2;
        else if (align == Align::right)
            start = x - extents.x_advance;
        setColour(c);
        cairo_move_to(cr, std::round(start), baseline);
        cairo_show_text(cr, s.c_str());
    }

    // Stops antialiased edges from blending into the transparent colour: a half-magenta pixel
    // would not be skipped and would show as a purple fringe.
    void snapToMagentaKey()
    {
        cairo_surface_flush(surface);
        unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < cairo_image_surface_get_height(surface); ++y)
        {
            auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
            for (int x = 0; x < cairo_image_surface_get_width(surface); ++x)
                if (isMagentaTinted(row[x]))
                    row[x] = 0xFFFF00FF;
        }
        cairo_surface_mark_dirty(surface);
    }

    bool save(const std::string& path)
    {
        return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    }

private:
    static bool isMagentaTinted(uint32_t argb)
    {
        const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
        return r > 150 && b > 150 && g < 90 && std::abs(r - b) < 60;
    }

    void setColour(Colour c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

    cairo_surface_t* surface;
    cairo_t* cr;
};

Colour shade(Colour c, double factor)
{
    return {std::fmin(c.r * factor, 1.0), std::fmin(c.g * factor, 1.0), std::fmin(c.b * factor, 1.0)};
}

// ---------------------------------------------------------------- background (1000)

void drawHeader(Canvas& c)
{
    c.text("Kelvaro", 12, 27, Align::left, 19, kTitle, true);
    c.text("AUVENOR", 199, 27, Align::right, 8, kLegend, true);
    c.hline(12, 199, 34, kEdge);
    c.text("CORRELATION", 105.5, 47, Align::centre, 7, kLegend, true);
    c.text("-1", 26, 60, Align::left, 8, kFigure);
    c.text("0", 105.5, 60, Align::centre, 8, kFigure);
    c.text("+1", 184, 60, Align::right, 8, kFigure);
    c.fill(24, 62, 162, 17, kEdge);
    c.fill(25, 63, 160, 15, kWell);
    c.fill(105, 63, 1, 15, kGrey); // centre of the correlation scale
}

void drawReadoutLegends(Canvas& c)
{
    c.text("PEAK", 45.5, 97, Align::centre, 7, kLegend, true);
    c.text("PEAK", 167.5, 97, Align::centre, 7, kLegend, true);
    c.text("DR", 105.5, 91, Align::centre, 7, kLegend, true);
    c.roundedBox(26, 100, 39, 18, 2, kWell);
    c.roundedBox(148, 100, 39, 18, 2, kWell);
}

void drawBarWells(Canvas& c)
{
    c.fill(33, 124, 25, 486, kEdge);
    c.fill(34, 125, 23, 484, kWell);
    c.fill(153, 124, 25, 486, kEdge);
    c.fill(154, 125, 23, 484, kWell);
    c.fill(82, 123, 48, 490, kEdge);
}

void drawScale(Canvas& c)
{
    for (int dB = 0; dB <= kScaleRange; ++dB)
    {
        const bool major = dB % 3 == 0;
        const int y = scaleY(dB);
        const Colour tick = major ? kFigure : kEdge;
        c.hline(major ? 26 : 29, 33, y, tick);
        c.hline(178, major ? 185 : 182, y, tick);
        if (!major)
            continue;
        const std::string figure = std::to_string(dB);
        c.text(figure, 24, y + 3, Align::right, 8, kFigure);
        c.text(figure, 188, y + 3, Align::left, 8, kFigure);
    }
}

// The dynamic-range thresholds at which the bars turn from green to yellow to red.
void drawDynamicRangeMarks(Canvas& c)
{
    for (int dB : {8, 14})
    {
        const int y = scaleY(dB);
        char figure[8];
        std::snprintf(figure, sizeof figure, "-%d", dB);
        c.hline(58, 63, y, kAccent);
        c.text(figure, 78, y + 3, Align::right, 7, kAccent, true);
        c.hline(148, 153, y, kAccent);
        c.text(figure, 134, y + 3, Align::left, 7, kAccent, true);
    }
}

void drawLowerLegends(Canvas& c)
{
    c.text("SILENCE", 105.5, 625, Align::centre, 7, kLegend, true);
    c.text("L", 46, 642, Align::centre, 8, kLegend, true);
    c.text("R", 165, 642, Align::centre, 8, kLegend, true);
    c.text("RMS", 105.5, 657, Align::centre, 7, kLegend, true);
    c.roundedBox(26, 644, 40, 18, 2, kWell);
    c.roundedBox(145, 644, 40, 18, 2, kWell);
    c.hline(12, 199, 674, kEdge);
    c.text("RESET", 47.5, 737, Align::centre, 7, kLegend, true);
    c.text("MONO", 107.5, 737, Align::centre, 7, kLegend, true);
    c.text("LINK", 167.5, 737, Align::centre, 7, kLegend, true);
}

void drawInformationButton(Canvas& c)
{
    c.roundedBox(24, 746, 164, 13, 3, kPanelLight);
    c.text("Kelvaro 1.0  \xC2\xB7  about", 106, 756, Align::centre, 8, kLegend);
}

void drawBackground(Canvas& c)
{
    c.verticalGradient(0, 0, 211, 776, kPanelLight, kPanel);
    drawHeader(c);
    drawReadoutLegends(c);
    drawBarWells(c);
    drawScale(c);
    drawDynamicRangeMarks(c);
    drawLowerLegends(c);
    drawInformationButton(c);
}

// ---------------------------------------------------------------- strips and bars

// Rows carry one colour each; the columns are shaded so a bar reads as a rounded tube.
void drawColumnShadedRows(Canvas& c, int width, int height, const std::function<Colour(int)>& rowColour)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const double centre = (width - 1) / 2.0;
            const double distance = width > 1 ? std::fabs(x - centre) / centre : 0.0;
            c.fill(x, y, 1, 1, shade(rowColour(y), 1.0 - 0.35 * distance * distance));
        }
}

void drawPeakStrip(Canvas& c)
{
    drawColumnShadedRows(c, 5, 482, [](int row) { return row < 10 ? kRed : row < 80 ? kYellow : kGreen; });
}

void drawRmsStrip(Canvas& c)
{
    drawColumnShadedRows(c, 14, 482, [](int row) { return row < 80 ? kYellow : kGreen; });
}

std::function<void(Canvas&)> solidBar(int width, Colour colour)
{
    return [=](Canvas& c) { drawColumnShadedRows(c, width, 482, [=](int) { return colour; }); };
}

void drawCorrelationPointer(Canvas& c)
{
    c.fill(0, 0, 158, 13, kPointer);
}

// ---------------------------------------------------------------- framed bitmaps

void drawReadoutBackdrop(Canvas& c)
{
    c.fill(0, 0, 85, 54, kMagenta);
    c.roundedBox(1, 1, 83, 25, 3, kWell); // frame 0: room for two read-outs
    c.roundedBox(1, 28, 83, 25, 3, kGrey); // frame 1: one centred read-out
    c.roundedBox(22, 30, 41, 21, 2, kWell);
}

void drawButtonFace(Canvas& c, int top, const std::string& label, bool lit, bool pressed, Colour lamp)
{
    const double inset = pressed ? 1 : 0;
    c.roundedBox(2, top + 2, 55, 35, 4, kEdge);
    c.roundedBox(3 + inset, top + 3 + inset, 53 - inset, 33 - inset, 3, pressed ? kPanel : kPanelLight);
    c.roundedBox(22 + inset, top + 8 + inset, 15, 5, 2, lit ? lamp : shade(lamp, 0.25));
    c.text(label, 29.5 + inset, top + 28 + inset, Align::centre, 9, lit ? kTitle : kLegend, true);
}

std::function<void(Canvas&)> onOffButton(const std::string& label)
{
    return [=](Canvas& c) {
        c.fill(0, 0, 59, 78, kMagenta);
        drawButtonFace(c, 0, label, false, false, kAccent);
        drawButtonFace(c, 39, label, true, true, kAccent);
    };
}

void drawResetButton(Canvas& c)
{
    c.fill(0, 0, 59, 78, kMagenta);
    drawButtonFace(c, 0, "RESET", false, false, kRed);
    drawButtonFace(c, 39, "RESET", true, true, kRed);
}

void drawSilenceLamp(Canvas& c)
{
    c.fill(0, 0, 32, 38, kMagenta);
    for (int frame = 0; frame < 2; ++frame)
    {
        const int top = frame * 19;
        c.roundedBox(1, top + 1, 30, 17, 3, kEdge);
        c.roundedBox(2, top + 2, 28, 15, 2, frame ? kPointer : kWell);
        c.text("SIL", 16, top + 13, Align::centre, 8, frame ? kPanel : kGrey, true);
    }
}

void drawBarBackdrop(Canvas& c)
{
    c.fill(0, 0, 54, 988, kMagenta);
    c.fill(5, 5, 44, 484, {0, 0, 0});
    c.fill(5, 499, 44, 484, {0, 0, 0});
}

void drawInformationPanel(Canvas& c)
{
    c.verticalGradient(0, 0, 211, 142, kPanelLight, kWell);
    c.hline(0, 211, 0, kEdge);
    c.text("i", 30, 13, Align::centre, 11, kAccent, true);
    c.hline(12, 199, 18, kEdge);
    c.text("Kelvaro", 105.5, 48, Align::centre, 20, kTitle, true);
    c.text("Stereo dynamic-range meter", 105.5, 66, Align::centre, 9, kFigure);
    c.text("Version 1.0", 105.5, 84, Align::centre, 9, kFigure);
    c.text("\xC2\xA9 Auvenor", 105.5, 102, Align::centre, 9, kFigure);
    c.text("click to close", 105.5, 130, Align::centre, 7, kLegend);
}

struct BitmapRecipe
{
    int id;
    int width;
    int height;
    bool magentaKeyed;
    std::function<void(Canvas&)> draw;
};

const BitmapRecipe kRecipes[] = {
    {1000, 211, 776, false, drawBackground},
    {1001, 85, 54, true, drawReadoutBackdrop},
    {1002, 5, 482, false, drawPeakStrip},
    {1003, 14, 482, false, drawRmsStrip},
    {1004, 59, 78, true, onOffButton("LINK")},
    {1005, 59, 78, true, onOffButton("MONO")},
    {1006, 59, 78, true, drawResetButton},
    {1007, 158, 13, false, drawCorrelationPointer},
    {1008, 32, 38, true, drawSilenceLamp},
    {1009, 20, 482, false, solidBar(20, kGreen)},
    {1010, 20, 482, false, solidBar(20, kYellow)},
    {1011, 20, 482, false, solidBar(20, kRed)},
    {1012, 41, 482, false, solidBar(41, kGreen)},
    {1013, 41, 482, false, solidBar(41, kYellow)},
    {1014, 41, 482, false, solidBar(41, kRed)},
    {1015, 54, 988, true, drawBarBackdrop},
    {1016, 211, 142, false, drawInformationPanel},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    for (const BitmapRecipe& recipe : kRecipes)
    {
        Canvas canvas(recipe.width, recipe.height);
        recipe.draw(canvas);
        if (recipe.magentaKeyed)
            canvas.snapToMagentaKey();
        char name[32];
        std::snprintf(name, sizeof name, "/bmp%05d.png", recipe.id);
        if (!canvas.save(argv[1] + std::string(name)))
        {
            std::fprintf(stderr, "cannot write %s%s\n", argv[1], name);
            return 1;
        }
    }
    return 0;
}
