#pragma once
// The test effect's editor: it records every call that reaches it, with the resource file that
// was current, in one log that outlives it, and finds a chosen parameter under every point.

#include <string>
#include <vector>

#include "QVEditor.h"

class CRecordingEditor : public QVEditor
{
public:
    static constexpr int16_t kWidth = 320;
    static constexpr int16_t kHeight = 180;

    struct SCall
    {
        std::string what;  // "create", "rect", "open", "draw 0 0 320 180", ... "delete"
        void* window;      // the window the editor was open in, or opened in
        int16_t resourceFile;
    };

    explicit CRecordingEditor(QVEffect* effect);
    ~CRecordingEditor() override;

    bool getRect(ERect** result) override;
    bool open(void* window) override;
    void close() override;
    void idle() override;
    void draw(ERect* area) override;
    int32_t mouse(int32_t x, int32_t y) override;
    void updateEditor() override;
    int32_t getParameterIndexFromPoint(int32_t x, int32_t y) override;
    void setControlHighlight(int32_t index, int32_t code) override;

    // Every recording editor's calls, in order.
    static std::vector<SCall>& Log();
    // What the names of the calls in the log are, in order.
    static std::vector<std::string> CallNames();
    static int32_t sParameterUnderPoint;
    // The effect's parameter count as the editor saw it while being deleted.
    static int32_t sParametersSeenAtDeletion;

private:
    void Record(const std::string& what);
};
