#include "printing/print_document.h"

// Printing is not there yet: the command does nothing.
void PrintDocument() {}
