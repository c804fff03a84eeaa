// The process entry of every program built on the framework: the linked backend sets itself up
// and runs the application object.

#include "framework/Backend.h"

int main(int argc, char** argv) {
    return fw::PlatformMain(argc, argv);
}
