#pragma once

class QTextDocument;

// The pictures of a help page no wider than `width` pixels: a picture wider
// than that is shown smaller, keeping its proportions, and one that fits is
// shown at its own size again. The help window calls this whenever the page
// or the pane's width changes, so pictures never make it scroll sideways.
void FitImagesToWidth(QTextDocument& document, int width);
