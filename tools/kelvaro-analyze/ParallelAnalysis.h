// Several inputs analysed at once, one worker per job, results kept in the order given.
#pragma once

#include "FileAnalysis.h"

#include <vector>

// paths: an empty path stands for the demonstration programme.
std::vector<AnalysisResult> analyseAll(const std::vector<std::string>& paths, const AnalyzeOptions& options);
