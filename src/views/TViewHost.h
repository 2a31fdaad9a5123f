#pragma once
// What a board view needs of the main window around it.
#include "game/TOptions.h"

#include <string>

namespace vantorel::scene {
class TMaterialLibrary;
}

namespace vantorel {

class TViewHost {
public:
    virtual ~TViewHost() = default;
    // False while the view is being replaced or a dialog owns the game: the frame step
    // then does nothing.
    virtual bool HasUsableView() const = 0;
    virtual const TOptions& Options() const = 0;
    // The window's named materials ("GLMateriaux").
    virtual const scene::TMaterialLibrary& Materials() const = 0;
    // An illegal click.
    virtual void Beep() = 0;
    // Any other failure of a click: the assistant's error 8.
    virtual void ReportClickError(const std::string& what) = 0;
    virtual void SetStatusPanel(int panel, const std::string& text) = 0;
    // Lets pending window events run (long builds keep the window alive).
    virtual void ProcessPendingEvents() = 0;
};

} // namespace vantorel
