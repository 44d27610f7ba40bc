#include "CRecordingEditor.h"

#include <sstream>

#include "CProcessGroup.h"
#include "QVEffect.h"

int32_t CRecordingEditor::sParameterUnderPoint = -1;
int32_t CRecordingEditor::sParametersSeenAtDeletion = -1;

namespace
{
std::string WithNumbers(const char* what, std::initializer_list<int32_t> numbers)
{
    std::ostringstream text;
    text << what;
    for (int32_t number : numbers)
        text << ' ' << number;
    return text.str();
}
} // namespace

CRecordingEditor::CRecordingEditor(QVEffect* effect) : QVEditor(effect)
{
    rect = ERect{0, 0, kHeight, kWidth};
    Record("create");
}

CRecordingEditor::~CRecordingEditor()
{
    Record("delete");
    sParametersSeenAtDeletion = effect->getParameterCount();
}

std::vector<CRecordingEditor::SCall>& CRecordingEditor::Log()
{
    static std::vector<SCall> log;
    return log;
}

std::vector<std::string> CRecordingEditor::CallNames()
{
    std::vector<std::string> names;
    for (const SCall& call : Log())
        names.push_back(call.what);
    return names;
}

void CRecordingEditor::Record(const std::string& what)
{
    Log().push_back({what, getSystemWindow(), CProcessGroup::CurrentResourceFile()});
}

bool CRecordingEditor::getRect(ERect** result)
{
    Record("rect");
    return QVEditor::getRect(result);
}

bool CRecordingEditor::open(void* window)
{
    QVEditor::open(window);
    Record("open");
    return true;
}

void CRecordingEditor::close()
{
    Record("close");
    QVEditor::close();
}

void CRecordingEditor::idle()
{
    Record("idle");
    QVEditor::idle();
}

void CRecordingEditor::draw(ERect* area)
{
    Record(area != nullptr ? WithNumbers("draw", {area->left, area->top, area->right, area->bottom}) : "draw all");
    QVEditor::draw(area);
}

int32_t CRecordingEditor::mouse(int32_t x, int32_t y)
{
    Record(WithNumbers("mouse", {x, y}));
    return QVEditor::mouse(x, y);
}

void CRecordingEditor::updateEditor()
{
    Record("update");
    QVEditor::updateEditor();
}

int32_t CRecordingEditor::getParameterIndexFromPoint(int32_t x, int32_t y)
{
    Record(WithNumbers("point", {x, y}));
    return sParameterUnderPoint;
}

void CRecordingEditor::setControlHighlight(int32_t index, int32_t code)
{
    Record(WithNumbers("highlight", {index, code}));
    QVEditor::setControlHighlight(index, code);
}
