// Draws a PlotRecorder's points: levels per channel on top, combined dynamic range below.
#include "PlotRecorder.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr int kWidth = 1200, kHeight = 760;
constexpr double kLeft = 78, kRight = 1010, kLegendX = 1030;
constexpr double kLevelTop = 56, kLevelBottom = 420, kRangeTop = 484, kRangeBottom = 700;
constexpr double kLevelFloorDb = -60;

struct Colour
{
    double r, g, b;
};

struct Series
{
    const char* label;
    Colour colour;
    float PlotRecorder::Point::*value;
    bool levelPanel;
};

const Series kSeries[] = {
    {"peak left", {0.10, 0.25, 0.70}, &PlotRecorder::Point::peakL, true},
    {"peak right", {0.75, 0.15, 0.15}, &PlotRecorder::Point::peakR, true},
    {"RMS left", {0.35, 0.65, 0.95}, &PlotRecorder::Point::rmsL, true},
    {"RMS right", {0.95, 0.60, 0.25}, &PlotRecorder::Point::rmsR, true},
    {"dynamic range L+R", {0.15, 0.55, 0.25}, &PlotRecorder::Point::rangeLR, false},
};

// A tick spacing from 1-2-5 steps that gives about `count` ticks over `span`.
double niceStep(double span, int count)
{
    const double raw = span / count;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (raw <= step * magnitude)
            return step * magnitude;
    return 10.0 * magnitude;
}

// Seconds in 1-2-5 steps for short files; whole minutes and their usual fractions for long ones.
double timeStep(double duration)
{
    if (duration < 120)
        return niceStep(duration, 10);
    for (double step : {15.0, 30.0, 60.0, 120.0, 300.0, 600.0, 900.0, 1800.0})
        if (duration / step <= 12)
            return step;
    return 3600.0 * std::ceil(duration / 3600.0 / 12);
}

std::string timeLabel(double seconds, double duration)
{
    char text[32];
    if (duration >= 120)
        std::snprintf(text, sizeof text, "%d:%02d", int(seconds) / 60, int(seconds) % 60);
    else
        std::snprintf(text, sizeof text, "%g", seconds);
    return text;
}

class Painter
{
public:
    Painter(cairo_t* cr, double duration, double rangeTopDb) : cr(cr), duration(duration), rangeTopDb(rangeTopDb) {}

    double x(double seconds) const { return kLeft + (kRight - kLeft) * seconds / duration; }

    double y(double db, bool levelPanel) const
    {
        const double top = levelPanel ? kLevelTop : kRangeTop, bottom = levelPanel ? kLevelBottom : kRangeBottom;
        const double low = levelPanel ? kLevelFloorDb : 0.0, high = levelPanel ? 0.0 : rangeTopDb;
        const double clamped = std::clamp(db, low, high);
        return bottom - (bottom - top) * (clamped - low) / (high - low);
    }

    void text(double tx, double ty, const std::string& s, double size, double alignX = 0)
    {
        cairo_set_font_size(cr, size);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, s.c_str(), &extents);
        cairo_move_to(cr, tx - extents.width * alignX, ty);
        cairo_show_text(cr, s.c_str());
    }

    void panel(bool levelPanel, const char* axisLabel, double low, double high, double step)
    {
        const double top = levelPanel ? kLevelTop : kRangeTop, bottom = levelPanel ? kLevelBottom : kRangeBottom;
        cairo_set_line_width(cr, 1);
        for (double db = low; db <= high + 1e-9; db += step)
        {
            cairo_set_source_rgb(cr, 0.88, 0.88, 0.88);
            cairo_move_to(cr, kLeft, std::round(y(db, levelPanel)) + 0.5);
            cairo_line_to(cr, kRight, std::round(y(db, levelPanel)) + 0.5);
            cairo_stroke(cr);
            cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
            char label[16];
            std::snprintf(label, sizeof label, "%g", db);
            text(kLeft - 8, y(db, levelPanel) + 4, label, 11, 1.0);
        }
        const double secondsStep = timeStep(duration);
        for (double t = 0; t <= duration + 1e-9; t += secondsStep)
        {
            cairo_set_source_rgb(cr, 0.88, 0.88, 0.88);
            cairo_move_to(cr, std::round(x(t)) + 0.5, top);
            cairo_line_to(cr, std::round(x(t)) + 0.5, bottom);
            cairo_stroke(cr);
            cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
            text(x(t), bottom + 16, timeLabel(t, duration), 11, 0.5);
        }
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        cairo_rectangle(cr, kLeft + 0.5, top + 0.5, kRight - kLeft, bottom - top);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_move_to(cr, 22, (top + bottom) / 2);
        cairo_rotate(cr, -M_PI / 2);
        cairo_set_font_size(cr, 12);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, axisLabel, &extents);
        cairo_rel_move_to(cr, -extents.width / 2, 0);
        cairo_show_text(cr, axisLabel);
        cairo_restore(cr);
    }

    // One polyline per series, reduced to the largest value in each pixel column.
    void series(const std::vector<PlotRecorder::Point>& points, double secondsPerBlock, const Series& s)
    {
        const int columns = int(kRight - kLeft);
        std::vector<double> columnMax(size_t(columns), -INFINITY);
        std::vector<bool> filled(size_t(columns), false);
        for (size_t i = 0; i < points.size(); ++i)
        {
            const auto column = size_t(std::min(columns - 1, int((x(double(i) * secondsPerBlock) - kLeft))));
            columnMax[column] = std::max(columnMax[column], double(points[i].*s.value));
            filled[column] = true;
        }
        cairo_set_source_rgb(cr, s.colour.r, s.colour.g, s.colour.b);
        cairo_set_line_width(cr, 1.5);
        bool drawing = false;
        for (int column = 0; column < columns; ++column)
        {
            if (!filled[size_t(column)])
                continue;
            const double px = kLeft + column + 0.5, py = y(columnMax[size_t(column)], s.levelPanel);
            drawing ? cairo_line_to(cr, px, py) : cairo_move_to(cr, px, py);
            drawing = true;
        }
        cairo_stroke(cr);
    }

    void legend()
    {
        double ly = kLevelTop + 10;
        for (const Series& s : kSeries)
        {
            cairo_set_source_rgb(cr, s.colour.r, s.colour.g, s.colour.b);
            cairo_set_line_width(cr, 3);
            cairo_move_to(cr, kLegendX, ly);
            cairo_line_to(cr, kLegendX + 28, ly);
            cairo_stroke(cr);
            cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
            text(kLegendX + 36, ly + 4, s.label, 12);
            ly += 22;
        }
    }

private:
    cairo_t* cr;
    double duration;
    double rangeTopDb;
};
} // namespace

bool PlotRecorder::write(const std::string& path, const std::string& title, std::string& error) const
{
    const double duration = std::max(secondsPerBlock, double(recorded.size()) * secondsPerBlock);
    float rangeMax = 0;
    for (const Point& p : recorded)
        rangeMax = std::max(rangeMax, p.rangeLR);
    const double rangeTop = std::max(20.0, std::ceil(rangeMax / 5.0) * 5.0);

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);

    Painter painter(cr, duration, rangeTop);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    painter.text(kLeft, 32, title, 16);
    painter.panel(true, "level (dBFS)", kLevelFloorDb, 0, 6);
    painter.panel(false, "dynamic range (dB)", 0, rangeTop, rangeTop > 40 ? 10 : 5);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    painter.text((kLeft + kRight) / 2, kRangeBottom + 40, duration >= 120 ? "time (min:s)" : "time (s)", 12, 0.5);
    for (const Series& s : kSeries)
        painter.series(recorded, secondsPerBlock, s);
    painter.legend();

    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS)
    {
        error = "cannot write plot " + path + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}
