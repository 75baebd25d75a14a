// corvaset-dat: shows, checks, compares and makes customization files.
#include <iostream>

#include "tool/commands.h"
#include "tool/exit_codes.h"

int main(int argc, char** argv) {
    const tool::Args args(argv + 1, argv + argc);
    const int code = tool::RunTool(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? code : tool::kIoError;
}
