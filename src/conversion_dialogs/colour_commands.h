// The colour commands of the font menu: background, text and tag colours
// through the system colour dialog, and painting the HTML tags.
#pragma once

// Each stores its colour and applies it at once; Cancel changes nothing.
void ChooseBackgroundColour();
void ChooseTextColour();
void ChooseTagColour();  // also repaints the tags

// Paints every tag of the text in the tag colour and the rest in the text
// colour. Display only: the bytes, the selection, the modified flag, the
// scroll position and the undo steps stay as they are.
void PaintHtmlTags();
