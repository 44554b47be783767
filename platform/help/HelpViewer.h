// The help viewer the Help menu opens: at its contents page or at its keyword
// index. Both throw VantelError when the help file cannot be found or read.
#pragma once

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void ShowContents() = 0;
    virtual void ShowKeywordSearch() = 0;
};
