// Base of every control: name, owner form, container, common properties and events.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace forms {

class Form;

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    OptionButton,
    CheckBox,
    Frame,
    PictureBox,
    ComboBox,
    ListView,
    Grid,
    DatePicker,
    TabControl,
    Menu,
    Image,
};

// Sizes and positions are kept in twips, as the window layouts give them; the views draw a pixel for
// every 15 twips (96 pixels an inch).
constexpr int TwipsPerPixel = 15;

// Mouse buttons and shift state as event arguments carry them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftState { NoShift = 0, ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// Told whenever a control's state changes, so a view can repaint it.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged() = 0;
};

class Control {
public:
    // Registers the control with its form; container is the frame, picture box or tab it sits in.
    Control(Form& form, const QString& name, ControlKind kind, Control* container = nullptr);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }
    Control* container() const { return container_; }

    bool enabled() const { return common_.enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return common_.visible; }
    void setVisible(bool visible);
    const QString& toolTipText() const { return common_.toolTipText; }
    void setToolTipText(const QString& text);
    int tabIndex() const { return common_.tabIndex; }
    void setTabIndex(int index) { common_.tabIndex = index; }
    bool tabStop() const { return common_.tabStop; }
    void setTabStop(bool stop) { common_.tabStop = stop; }
    const QString& tag() const { return common_.tag; }
    void setTag(const QString& tag) { common_.tag = tag; }
    int backColor() const { return common_.backColor; }
    void setBackColor(int color);
    int foreColor() const { return common_.foreColor; }
    void setForeColor(int color);
    // Size in twips, as the window layout gives it.
    int width() const { return common_.width; }
    void setWidth(int twips) { common_.width = twips; }
    int height() const { return common_.height; }
    void setHeight(int twips) { common_.height = twips; }

    // Whether the control and every container it sits in are enabled and visible.
    bool isUsable() const;
    // Whether the control can take the focus (a focusable kind, usable, tab stop or not).
    virtual bool canFocus() const;
    // Whether the control is on the page its containers show (a tab control shows one page).
    bool isInSight() const;
    virtual bool showsContained(const Control&) const { return true; }
    void setFocus();
    bool hasFocus() const;

    // The state a scenario reads: `text`, `caption`, `enabled`, `listcount`, `cell(R,C)`, ...
    // Arguments are the numbers in parentheses. Unknown properties throw RuntimeError 438.
    virtual QString property(const QString& name, const QList<int>& args = {}) const;
    // Every property worth dumping, as name=value pairs.
    virtual QStringList dump() const;

    // Events the user raises through the view or a scenario. Handlers may change keyAscii/keyCode:
    // setting keyAscii to 0 swallows the key.
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyUp;
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int button, int shift, float x, float y)> MouseDown;
    std::function<void(int button, int shift, float x, float y)> MouseMove;
    std::function<void(int button, int shift, float x, float y)> MouseUp;

    void setObserver(ControlObserver* observer) { observer_ = observer; }
    ControlObserver* observer() const { return observer_; }

    // Remembers the current state as the designed one (after the form's constructor laid it out)
    // and restores it when the form unloads.
    virtual void saveDesign();
    virtual void restoreDesign();

protected:
    void changed();
    // Stores a new value and tells the observer, when the value differs; returns whether it did.
    template <typename T> bool assign(T& field, const T& value) {
        if (field == value) return false;
        field = value;
        changed();
        return true;
    }

private:
    struct Common {
        bool enabled = true;
        bool visible = true;
        QString toolTipText;
        int tabIndex = 0;
        bool tabStop = true;
        QString tag;
        int backColor = 0x80000005;
        int foreColor = 0x80000008;
        int width = 1200;
        int height = 315;
    };
    Form& form_;
    QString name_;
    ControlKind kind_;
    Control* container_;
    Common common_;
    Common designedCommon_;
    ControlObserver* observer_ = nullptr;
};

QString boolText(bool value);

} // namespace forms
