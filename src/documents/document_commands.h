// The File menu's commands on the document: New, Open, Insert from, Save.
#pragma once

// After the save prompt: an empty, unmodified, untitled document.
void NewDocument();

// After the save prompt: the Open dialog, then the chosen file is loaded.
void OpenCommand();

// The Open dialog (no prompt), then the chosen file replaces the selection.
void InsertFromCommand();

// Save As for an untitled document, a plain save otherwise.
void SaveCommand();
