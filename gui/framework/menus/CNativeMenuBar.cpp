#include "gui/framework/menus/CNativeMenuBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "gui/framework/application/CLowLevelApplication.h"
#include "gui/framework/windows/CModalWindows.h"

namespace {
QString Native(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
}

QAction* FindAction(const QMenu& menu, std::uint32_t command)
{
    for (QAction* action : menu.actions()) {
        if (action->menu()) {
            if (QAction* found = FindAction(*action->menu(), command))
                return found;
        } else if (!action->isSeparator() && action->data().toUInt() == command) {
            return action;
        }
    }
    return nullptr;
}
}  // namespace

class CNativeMenuBar::CShortcutFilter : public QObject {
public:
    explicit CShortcutFilter(CNativeMenuBar& bar) : fBar(bar) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::ControlModifier || key->key() < 0x21 || key->key() > 0x7E)
            return false;
        bool used = false;
        CLowLevelApplication::RunGuarded([&] { used = fBar.HandleShortcut(static_cast<char>(key->key())); });
        return used;
    }

private:
    CNativeMenuBar& fBar;
};

CNativeMenuBar::CNativeMenuBar(std::unique_ptr<CMenuBar> menus, QMenuBar& bar, UpdatePass update,
                               Dispatch dispatch)
    : fMenus(std::move(menus)), fBar(bar), fUpdate(std::move(update)), fDispatch(std::move(dispatch))
{
    for (const auto& menu : fMenus->Menus()) {
        QMenu* native = fBar.addMenu(Native(menu->NativeTitleText()));
        CMenu* records = menu.get();
        QObject::connect(native, &QMenu::aboutToShow, native, [this, native, records] {
            CLowLevelApplication::RunGuarded([&] { fUpdate(); });
            Fill(*native, *records);
        });
        fNativeMenus.push_back(native);
    }
    Sync();
    fShortcutFilter = std::make_unique<CShortcutFilter>(*this);
    QCoreApplication::instance()->installEventFilter(fShortcutFilter.get());
}

CNativeMenuBar::~CNativeMenuBar()
{
    fShortcutFilter.reset();
    for (QMenu* native : fNativeMenus)
        delete native;
}

void CNativeMenuBar::Sync()
{
    for (std::size_t i = 0; i < fNativeMenus.size(); ++i)
        Fill(*fNativeMenus[i], *fMenus->Menus()[i]);
}

void CNativeMenuBar::Fill(QMenu& native, CMenu& menu)
{
    for (QMenu* sub : native.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        delete sub;
    native.clear();
    for (std::size_t i = 0; i < menu.ItemCount(); ++i) {
        const MenuItemRecord& record = menu.Records()[i];
        if (record.kind == kMenuItemSeparator) {
            native.addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (record.kind == kMenuItemSubmenu && record.submenu) {
            QMenu* sub = native.addMenu(Native(CMenu::NativeItemText(record)));
            Fill(*sub, *record.submenu);
            action = sub->menuAction();
        } else {
            action = native.addAction(Native(CMenu::NativeItemText(record)));
            const std::uint32_t command = record.command;
            QObject::connect(action, &QAction::triggered,
                             [this, command] { CLowLevelApplication::RunGuarded([&] { Run(command); }); });
        }
        action->setData(record.command);
        action->setEnabled(!record.disabled);
        action->setCheckable(record.checked);
        action->setChecked(record.checked);
    }
}

QAction* CNativeMenuBar::ActionFor(std::uint32_t command) const
{
    for (QMenu* native : fNativeMenus)
        if (QAction* action = FindAction(*native, command))
            return action;
    return nullptr;
}

bool CNativeMenuBar::HandleShortcut(char key)
{
    fUpdate();
    const MenuItemLocation found = fMenus->FindShortcut(key);
    if (!found.menu)
        return false;
    const MenuItemRecord record = found.menu->Record(found.index);
    const bool enabled = !record.disabled && record.kind == kMenuItemCommand;
    if (CModalWindows::AnyUp())
        return enabled && Run(record.command);
    if (enabled)
        Run(record.command);
    return true;
}

bool CNativeMenuBar::Run(std::uint32_t command)
{
    const bool taken = fDispatch(command);
    // The menus are rebuilt once the triggering action has finished its signal;
    // the filter is the context, so nothing runs after the bar is gone.
    QTimer::singleShot(0, fShortcutFilter.get(), [this] {
        CLowLevelApplication::RunGuarded([this] { fUpdate(); });
        Sync();
    });
    return taken;
}
