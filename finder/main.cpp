// instfinder: lists one plug-in module's automatable parameters into a file and answers
// only through its exit code.

#include "FinderDriver.h"

int main(int argc, char** argv) {
    return Ostrel::runInstFinder(argc, argv);
}
