// Printing the document through the system's print dialog.
#pragma once

void PrintDocument();
