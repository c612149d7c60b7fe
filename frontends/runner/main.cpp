// zenkoru-script [script-file]: runs the program headless from a script of
// events (standard input when no file is named) and prints the transcript.
#include <fstream>
#include <iostream>

#include "script.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: zenkoru-script [script-file]\n";
        return 2;
    }
    zk::ScriptRunner runner;
    int bad = 0;
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "zenkoru-script: cannot open " << argv[1] << '\n';
            return 2;
        }
        bad = runner.run(file, std::cout);
    } else {
        bad = runner.run(std::cin, std::cout);
    }
    return bad == 0 ? 0 : 1;
}
