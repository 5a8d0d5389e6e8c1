// Ctrl+P: save the picture beside the program, show the notice, print.
// To be completed: the temporary file and rename, the printer.
#include "shell/forma_main.h"

void FormaMain::SaveAndPrint() {}
