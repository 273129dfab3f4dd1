// Command::Print: printing the document, its selection or a range of its pages
// through the system's Print dialog; also run by the /p switch at start-up.
#pragma once

void PrintDocument();
