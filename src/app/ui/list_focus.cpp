#include "app/ui/list_focus.h"

#include <QAbstractItemView>
#include <QEvent>

namespace qm {
namespace {

class ListFocusMarker : public QObject {
public:
    explicit ListFocusMarker(QAbstractItemView& list) : QObject(&list), m_list(list)
    {
        m_focused = list.palette();
        m_unfocused = m_focused;
        // Both colour groups: the window itself may be active or not.
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            m_unfocused.setColor(group, QPalette::Highlight, m_focused.color(group, QPalette::Midlight));
            m_unfocused.setColor(group, QPalette::HighlightedText, m_focused.color(group, QPalette::Text));
        }
        show(list.hasFocus());
        list.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_list && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
            show(event->type() == QEvent::FocusIn);
        return QObject::eventFilter(watched, event);
    }

private:
    void show(bool focused)
    {
        // Only the highlight: the fonts and text colours the window set stay.
        QPalette palette = m_list.palette();
        const QPalette& wanted = focused ? m_focused : m_unfocused;
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
                palette.setColor(group, role, wanted.color(group, role));
        m_list.setPalette(palette);
    }

    QAbstractItemView& m_list;
    QPalette m_focused;
    QPalette m_unfocused;
};

}  // namespace

void showFocusOf(QAbstractItemView& list) { new ListFocusMarker(list); }

}  // namespace qm
