// Re-applying the view format to the whole text.
#pragma once

// Keeps the user's selection and does not let the text scroll down; draws once.
void RefreshViewFormat();
