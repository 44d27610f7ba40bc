// The JSON, CSV and PNG forms of a result, and the demonstration programme's readings.
#include "DrawingShutdown.h"
#include "FileAnalysis.h"
#include "JsonFields.h"
#include "Reports.h"
#include "ToolRunner.h"

#include <cairo.h>

namespace
{
struct DrawingCaches : ::testing::Environment
{
    void TearDown() override { releaseDrawingCaches(); }
};
const auto* const drawingCaches = ::testing::AddGlobalTestEnvironment(new DrawingCaches);
} // namespace

class ReportFormats : public ToolFixture
{
protected:
    // 1.01 s at 44100 Hz: 87 blocks of 512 frames, the last one 509 frames long.
    std::string shortFile()
    {
        return synth("short.wav", "-r 44100 -c 2 -b 32 -e floating-point", "1.01 sine 997 sine 250 remix 1v0.5 2v0.25");
    }
};

TEST_F(ReportFormats, JsonCarriesEveryMeterBitExactAndTheReadoutsVerbatim)
{
    AnalyzeOptions options;
    const AnalysisResult result = analyseInput(shortFile(), options);
    ASSERT_EQ(result.error, "");
    const std::string json = jsonReport(result);

    EXPECT_EQ(json.find('\n'), std::string::npos);
    EXPECT_EQ(jsonString(json, "file"), result.name);
    for (const char* key : {"\"sample_rate\":44100", "\"channels\":2", "\"frames\":44541", "\"block\":512",
                            "\"summary\":{\"peak_dbfs\":"})
        EXPECT_NE(json.find(key), std::string::npos) << key;
    EXPECT_EQ(jsonFloats(json, "meters"), std::vector<float>(result.readings.linear.begin(), result.readings.linear.end()));
    EXPECT_EQ(jsonFloats(json, "positions"),
              std::vector<float>(result.readings.positions.begin(), result.readings.positions.end()));
    const std::pair<const char*, int32_t> readouts[] = {
        {"peak_left", 6}, {"peak_right", 7}, {"rms_left", 2}, {"rms_right", 3},
        {"dr_left", 10},  {"dr_right", 12},  {"dr_combined", 14}, {"correlation", 18}};
    for (auto [key, meter] : readouts)
        EXPECT_EQ(jsonString(json, key), result.readings.texts[size_t(meter)]) << key;
    EXPECT_EQ(jsonString(json, "peak_left"), "-6.0");
    EXPECT_EQ(jsonString(json, "peak_right"), "-12.0");
}

TEST_F(ReportFormats, JsonEscapesFileNamesAndWritesNullForMissingFigures)
{
    AnalysisResult result;
    result.name = "a \"quoted\"\\name\n\xff.wav";
    const std::string json = jsonReport(result);
    EXPECT_NE(json.find(R"("file":"a \"quoted\"\\name\u000a\ufffd.wav")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("peak_dbfs":null)"), std::string::npos);
    EXPECT_NE(json.find(R"("dr_median_db":null)"), std::string::npos);
}

TEST_F(ReportFormats, TraceHasOneLinePerBlockEndingAtTheFinalReadings)
{
    AnalyzeOptions options;
    options.tracePath = path("trace.csv");
    const AnalysisResult result = analyseInput(shortFile(), options);
    ASSERT_EQ(result.error, "");
    const std::vector<std::string> rows = lines(readFile(options.tracePath));
    ASSERT_EQ(rows.size(), 88u);
    EXPECT_EQ(rows[0], "block,m0,m1,m2,m3,m4,m5,m6,m7,m8,m9,m10,m11,m12,m13,m14,m15,m16,m17,m18");
    EXPECT_EQ(rows[1].substr(0, 2), "0,");
    EXPECT_EQ(rows[87].substr(0, 3), "86,");
    const std::vector<float> last = jsonFloats("\"row\":[" + rows[87].substr(3) + "]", "row");
    EXPECT_EQ(last, std::vector<float>(result.readings.linear.begin(), result.readings.linear.end()));
}

TEST_F(ReportFormats, UnwritableTraceOrPlotIsAnErrorOfThatInput)
{
    for (bool plot : {false, true})
    {
        AnalyzeOptions options;
        (plot ? options.plotPath : options.tracePath) = path("no-such-folder/out");
        const AnalysisResult result = analyseInput("", options);
        EXPECT_NE(result.error.find("no-such-folder"), std::string::npos) << result.error;
    }
}

TEST_F(ReportFormats, PlotIsAPictureWithDrawnCurves)
{
    AnalyzeOptions options;
    options.plotPath = path("plot.png");
    ASSERT_EQ(analyseInput(shortFile(), options).error, "");
    cairo_surface_t* image = cairo_image_surface_create_from_png(options.plotPath.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 1200);
    EXPECT_EQ(cairo_image_surface_get_height(image), 760);
    const unsigned char* pixels = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    int coloured = 0;
    for (int y = 0; y < 760; ++y)
        for (int x = 0; x < 1200; ++x)
        {
            const unsigned char* p = pixels + y * stride + x * 4;
            coloured += std::abs(int(p[0]) - int(p[2])) > 60; // blue, red, orange or green, not grey
        }
    EXPECT_GT(coloured, 2000);
    cairo_surface_destroy(image);
}

TEST(DemonstrationProgramme, EachPassageShowsWhatItIsThereFor)
{
    const AnalysisResult demo = analyseInput("", AnalyzeOptions{});
    ASSERT_EQ(demo.passages.size(), 5u);
    auto text = [&](size_t passage, int32_t meter) { return demo.passages[passage].second.texts[size_t(meter)]; };
    EXPECT_EQ(text(0, kMeterDynamicRangeLR), "0.0") << "a sine has no dynamic range";
    EXPECT_EQ(text(0, kMeterCorrelation), "1.0");
    EXPECT_GT(std::stod(text(2, kMeterDynamicRangeLR)), std::stod(text(1, kMeterDynamicRangeLR)) + 6)
        << "the dynamic passage reads well above the compressed one";
    EXPECT_EQ(text(3, kMeterCorrelation), "0.0");
    EXPECT_EQ(text(3, kMeterRmsL), "-12.0");
    EXPECT_EQ(demo.readings.linear[kMeterSilenceL], 1.0f);
    EXPECT_GT(demo.summary.rangeBlocks, 1000);
    const std::string table = textReport(demo);
    EXPECT_NE(table.find("demonstration programme"), std::string::npos);
    EXPECT_NE(table.find("left only"), std::string::npos);
}
