#include <iostream>

#include "InfoReport.h"
int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    try { CPlugInModule module(argv[2]); WriteInfoReport(module, std::cout); }
    catch (const std::exception& e) { std::cerr << e.what() << '\n'; return 1; }
    return 0;
}
