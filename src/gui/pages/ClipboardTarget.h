#pragma once

namespace kelvora {

// A control the shared right-click menu can act on: a grid, the client picture.
class ClipboardTarget
{
public:
    virtual ~ClipboardTarget() = default;
    virtual void clipboardCopy() = 0;
    virtual void clipboardCut() = 0;
    virtual void clipboardPaste() = 0;
};

} // namespace kelvora
