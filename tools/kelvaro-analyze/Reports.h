// The two ways a result is printed: a table for people and one JSON object per line for programs.
#pragma once

#include "FileAnalysis.h"

#include <string>

std::string textReport(const AnalysisResult& result);
std::string jsonReport(const AnalysisResult& result); // one line, no trailing newline
