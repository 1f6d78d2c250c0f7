#pragma once
// A text drawn in the window's font, wrapped at word boundaries; "\r" and
// "\n" break lines. Only a word wider than a whole line is broken inside.
#include <string>
#include <vector>

#include "gui/framework/views/CView.h"

class QFont;

class CStaticTextView : public CView {
public:
    CStaticTextView(CGroupView* parent, const PixelRect& frame, std::string text);

    const std::string& Text() const { return fText; }
    void SetText(std::string text);
    // The lines of the text wrapped to `width` pixels in `font`.
    std::vector<std::string> WrappedLines(const QFont& font, int width) const;
    // The height the text needs when wrapped to `width` pixels in `font`.
    int HeightForWidth(const QFont& font, int width) const;

    void Draw(QPainter& painter) override;

private:
    std::string fText;
};
