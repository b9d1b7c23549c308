#include "ordoapp.h"

int main(int argc, char** argv) { return ordoApp::main(argc, argv); }
