// A window: its controls, modal show, activation, close check and unload.
#pragma once

#include <QString>
#include <vector>

namespace forms {

class Control;
class Menu;

// Why a window is being closed, as QueryUnload learns it.
enum UnloadMode { UnloadFromFrame = 0, UnloadFromCode = 1 };

// Each window of the module derives from Form, holds its controls as members and overrides the
// event handlers it needs. Loading runs Form_Load once; showModal shows the window owned by
// another and returns when it unloads; Form_Activate runs when it is first shown and again when
// it becomes active after a modal child closes. Unloading returns every control to its designed
// state; the object's own fields survive.
class Form {
public:
    Form(const QString& name, const QString& caption);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool preview) { keyPreview_ = preview; }
    // Size in twips.
    int width() const { return width_; }
    int height() const { return height_; }
    void setSize(int widthTwips, int heightTwips);

    bool isLoaded() const { return loaded_; }
    bool isShown() const { return shown_; }
    Form* owner() const { return owner_; }

    // Loads the window without showing it (runs Form_Load when not yet loaded).
    void load();
    // Shows the window modally, owned by owner; returns once it has unloaded.
    void showModal(Form* owner = nullptr);
    // Closes from code: QueryUnload (which may cancel), Unload, then the controls return to their
    // designed state. Returns false when a handler cancelled.
    bool unload(UnloadMode mode = UnloadFromCode);
    // Unloads the window without its close check and unload events.
    void discard();

    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(const QString& name) const; // without regard to case; nullptr when none
    Control* activeControl() const { return active_; }
    void setActiveControl(Control* control);
    // Focus order: the next usable control after the active one by tab index, or the one before it.
    Control* nextInTabOrder(Control* from, bool backwards = false) const;
    // Moves the focus from the control as Tab (or Shift+Tab) does: a text box reached so has its text
    // selected, so that typing replaces it.
    void tabFrom(Control* from, bool backwards = false);
    // Where the focus goes when the control holding it is disabled or hidden: to this control, or, without
    // one or when it cannot take the focus, on in tab order.
    void setFocusHome(Control* control) { focusHome_ = control; }
    // Moves the focus off the active control once it can no longer have it (used by Control).
    void keepFocusUsable();

    // Shows a pop-up menu (its entries' Click runs when one is chosen).
    void popupMenu(Menu& menu);

    // Event handlers, overridden by each window.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {}
    virtual void Form_Unload(int& cancel) {}
    virtual void Form_KeyDown(int& keyCode, int shift) {}
    virtual void Form_KeyPress(int& keyAscii) {}
    virtual void Form_KeyUp(int& keyCode, int shift) {}

    // Called by the window's constructor once every control is laid out.
    void saveDesign();

    // Used by Control's constructor and destructor.
    void registerControl(Control* control);
    void unregisterControl(Control* control);
    // Raises Form_Activate (used by the runtime when a modal child closes).
    void activate();

private:
    QString name_;
    QString caption_;
    QString designedCaption_;
    QString tag_;
    bool keyPreview_ = false;
    int width_ = 9000;
    int height_ = 6000;
    bool loaded_ = false;
    bool shown_ = false;
    Form* owner_ = nullptr;
    Control* active_ = nullptr;
    Control* focusHome_ = nullptr;
    std::vector<Control*> controls_;
};

} // namespace forms
