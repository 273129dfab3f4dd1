// Command::PrintPreview: the document page by page as the printer will print it, in a
// maximised, resizable dialog; a click magnifies three times around it.
#pragma once

void ShowPrintPreview();
