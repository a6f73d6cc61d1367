// A top-level window of the element model: position, caption, background, its elements and
// timers, and the load / show / hide / unload lifecycle with its events.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/accessible.h"
#include "platform/ui/button.h"
#include "platform/ui/contrast.h"
#include "platform/ui/controls.h"
#include "platform/ui/element_array.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"
#include "platform/ui/timer.h"
#include "platform/ui/types.h"

namespace ui {

class WindowSystem;

class Form {
  public:
    Form(WindowSystem& system, std::string name, std::string caption, int clientWidth,
         int clientHeight, Colour backColor);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    WindowSystem& System() const { return system_; }
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // A window with two layouts changes its size (twips).
    void SetClientSize(int width, int height);

    int Left() const { return left_; }
    int Top() const { return top_; }
    void SetLeft(int left);
    void SetTop(int top);
    // The window system reports where the user or the system has put the window.
    void PositionChangedBySystem(int left, int top);

    Colour BackColor() const { return backColor_; }
    void SetBackColor(Colour colour);
    // The colour drawn for one of the window's colours (of an element, or the window's own
    // with none): the colour itself, or under a contrast theme the system colour its use
    // calls for in this window's contrast colours.
    virtual Colour ShownColour(const Element* element, ColourUse use, Colour own) const;
    void SetContrastColours(const ContrastColours& colours) { contrast_ = colours; }

    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    // Creates the native window and runs the load handler; the window stays hidden. When the
    // window cannot be created, nothing runs and the form stays unloaded.
    void Load();
    // Loads first when needed.
    void Show();
    void Hide();
    // Runs the unload handler and destroys the native window; a later Load starts
    // again from the design state.
    void Unload();

    const std::vector<Element*>& Elements() const { return elements_; }
    const std::vector<Timer*>& Timers() const { return timers_; }

    // The visible tab stops by Tab index (design order among equal numbers).
    std::vector<Element*> TabOrder() const;
    // The element with the keyboard focus, or none. Loading puts it on the first tab stop.
    Element* Focused() const { return focused_; }
    // Tab and a click on a tab stop move it, and the window system reports the user's choice.
    void SetFocus(Element* element);
    // The button Enter presses, or none (see Button::SetDefault).
    Button* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(Button* button);
    // What a screen reader is told about one of this window's elements.
    virtual AccessibleInfo Accessible(const Element& element) const;
    // What a screen reader is told about one part of an element drawn in parts (a cell of a
    // grid), by its position from 0.
    virtual AccessibleInfo AccessibleChild(const Element& element, int child) const;

    // Each of the Request and Raise calls below is one event of the window system (see
    // WindowSystem::Events), or a part of the one running.
    // The system asks the window to close (Alt+F4, end of session): by default it unloads.
    void RequestClose();
    // Another start of the program asks this one to come forward.
    void RequestActivate();
    // The system clock or its time zone changed.
    void RaiseTimeChange();
    // Monitors were added, removed, rearranged or rescaled.
    void RaiseDisplayChange();

    // Input from the window system for the bare window surface.
    void RaiseMouseDown(int button, int shift, int x, int y);
    // A key pressed while the window has the keyboard (ui::Key, ui::ShiftState); true when
    // the window used it, so the system does nothing more with it. The focused element has
    // it first (a text box keeps its editing keys), then Tab / Shift+Tab move the focus, Enter
    // presses the default button, the window's own handler runs, and last an access key
    // (with Alt, or alone outside a text box) presses its button or focuses what follows its
    // label.
    bool RaiseKeyDown(int key, int shift);
    void RaiseMouseMove(int button, int shift, int x, int y);
    void RaiseNotifyEvent(NotifyEvent event);
    // The user asked for the window's menu: with the right button over a point of the
    // window, or from the keyboard (no point).
    void RaiseContextMenu(std::optional<Point> at);

    // Called by elements and timers of this form when a property changed.
    void ElementChanged(Element& element);
    void TimerChanged(Timer& timer);

  protected:
    // Every element and timer registers itself once, in design order.
    void AddElement(Element& element) { elements_.push_back(&element); }
    template <typename T>
    void AddElements(const ElementArray<T>& array) {
        for (const auto& element : array) {
            AddElement(*element);
        }
    }
    void AddTimer(Timer& timer) { timers_.push_back(&timer); }

    // To the next (or previous) tab stop, round the ends; false when there is none.
    bool MoveFocus(bool backwards);
    // The visible button, check box or label whose caption marks the key: the button is
    // pressed, the box ticked or unticked, the label focuses the first tab stop after it.
    // False when none takes the key.
    bool PressAccessKey(int key);

    // Destroys the native window without running any handler. A derived window calls it
    // from its destructor, so the window system never sees elements already destroyed.
    void Discard();

    // Puts every property back to its design value (before a reload).
    virtual void RestoreDesign() {}
    virtual void OnLoad() {}
    virtual void OnUnload() {}
    virtual void OnCloseRequest() { Unload(); }
    virtual void OnActivateRequest();
    virtual void OnTimeChange() {}
    // Monitors or work areas changed: a window no monitor shows any more comes to the default
    // place.
    virtual void OnDisplayChange();
    virtual void OnMouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual bool OnKeyDown(int /*key*/, int /*shift*/) { return false; }
    virtual void OnMouseMove(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void OnContextMenu(std::optional<Point> /*at*/) {}
    virtual void OnNotifyEvent(NotifyEvent /*event*/) {}

  private:
    // Moves a mark drawn on one element (the focus, the default button's frame) to `now`:
    // the element that had it and the one that has it redraw.
    template <typename Marked>
    void MoveMark(Marked*& holder, Marked* now) {
        if (now == holder) {
            return;
        }
        Element* before = std::exchange(holder, now);
        for (Element* changed : {before, static_cast<Element*>(now)}) {
            if (changed != nullptr) {
                ElementChanged(*changed);
            }
        }
    }

    WindowSystem& system_;
    std::string name_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    int left_ = 0;
    int top_ = 0;
    Colour backColor_;
    ContrastColours contrast_ = kWindowContrast;
    bool loaded_ = false;
    bool visible_ = false;
    bool unloadedBefore_ = false;
    std::vector<Element*> elements_;
    std::vector<Timer*> timers_;
    Element* focused_ = nullptr;
    Button* defaultButton_ = nullptr;
};

}  // namespace ui
