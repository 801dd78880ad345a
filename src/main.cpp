#include "CommandLine.h"
#include "EntryPoint.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, std::cout, std::cerr))
        return *answered;
    return RunTolvik();
}
