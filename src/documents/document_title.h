// The window title and the marker text that name the current document.
#pragma once

// "[" + the file's name (or `currentPath` when no such file exists) + "]-ZORN2";
// the marker gets the document's short path in lower case.
void UpdateTitle();
