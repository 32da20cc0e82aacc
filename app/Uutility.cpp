#include "Uutility.h"

#include "app/Uthreadini.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTreeWidget>
#include <functional>

namespace {

const char* const kPageProperty = "kzlPage";

// The components an owner holds: its named descendants, in creation order, down to (and
// including, but not into) the windows and pages they contain.
void forEachOwned(QObject* owner, const std::function<void(QObject*)>& visit)
{
    for (QObject* child : owner->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        const bool named = !child->objectName().isEmpty() && !child->objectName().startsWith("qt_");
        const bool ownsItself = widget != nullptr && (widget->isWindow() || IsPage(widget));
        if (named && (widget != nullptr || qobject_cast<QAction*>(child) != nullptr))
            visit(child);
        if (!ownsItself)
            forEachOwned(child, visit);
    }
}

bool isSeparator(QChar c)
{
    return c == ',' || c == ' ' || c.unicode() < 0x20 || c.unicode() == 0x7F;
}

QStringList splitItems(const QString& text)
{
    QStringList items;
    QString current;
    bool quoted = false;
    bool pending = false; // an item has started
    for (const QChar c : text) {
        if (c == '"') {
            quoted = !quoted;
            pending = true;
        } else if (!quoted && isSeparator(c)) {
            if (pending || c == ',')
                items << current;
            current.clear();
            pending = false;
            if (c == ',')
                pending = true; // an empty item follows a comma
            continue;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending)
        items << current;
    return items;
}

void translateOne(QObject* component, const QString& section, const TIniFile& reader)
{
    const QString name = component->objectName();
    auto read = [&](const QString& current) { return reader.ReadString(section, name, current); };
    if (auto* label = qobject_cast<QLabel*>(component)) {
        label->setText(read(label->text()));
    } else if (component->inherits("TPanel")) {
        component->setProperty("text", read(component->property("text").toString()));
    } else if (auto* list = qobject_cast<QTreeWidget*>(component)) {
        if (list->inherits("TSortListView"))
            return;
        QTreeWidgetItem* header = list->headerItem();
        for (int col = 0; col < list->columnCount(); ++col) {
            const QString key = QString::asprintf("%s_Col%d", qPrintable(name), col);
            header->setText(col, reader.ReadString(section, key, header->text(col)));
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(component)) {
        button->setText(read(button->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
        QString caption = read(group->title());
        PadWithSpaces(caption);
        group->setTitle(caption);
    } else if (auto* action = qobject_cast<QAction*>(component)) {
        action->setText(read(action->text()));
    }
}

} // namespace

QString FormatMac(const std::uint8_t mac[6])
{
    return QString::asprintf("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3],
                             mac[4], mac[5]);
}

bool IsHexText(const QString& text)
{
    for (const QChar c : text) {
        if (!QStringLiteral("0123456789ABCDEFabcdef").contains(c))
            return false;
    }
    return true;
}

bool IsValidWpsPin(const QString& text)
{
    if (text.size() != 4 && text.size() != 8)
        return false;
    std::uint32_t value = 0;
    for (const QChar c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<std::uint32_t>(c.unicode() - '0');
    }
    std::uint32_t sum = 0;
    for (int k = 7; k >= 0; --k) {
        std::uint32_t digit = value;
        for (int i = 0; i < k; ++i)
            digit /= 10;
        sum += (k % 2 == 1 ? 3 : 1) * (digit % 10);
    }
    return sum % 10 == 0;
}

bool SelectComboByValue(QComboBox* list, int value)
{
    for (int i = 0; i < list->count(); ++i) {
        bool ok = false;
        if (list->itemData(i).toInt(&ok) == value && ok) {
            list->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void CentreOnScreen(QWidget* window)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}

void FocusEdit(QWidget* edit)
{
    if (edit == nullptr)
        return;
    QWidget* window = edit->window();
    if (window != nullptr && window->isVisible() && edit->isVisible() && edit->isEnabled() &&
        edit->focusPolicy() != Qt::NoFocus)
        edit->setFocus(Qt::OtherFocusReason);
}

void PadWithSpaces(QString& text)
{
    if (text.isEmpty())
        return;
    if (text.front() != ' ')
        text.prepend(' ');
    if (text.back() != ' ')
        text.append(' ');
}

int ParseIntList(const QString& text, int* out, int capacity)
{
    int count = 0;
    for (const QString& item : splitItems(text)) {
        long long value = 0;
        if (!TIniFile::ParseInteger(item.trimmed(), value) || value < INT32_MIN ||
            value > INT32_MAX)
            continue;
        if (count < capacity)
            out[count] = static_cast<int>(value);
        ++count;
    }
    return count;
}

void MarkAsPage(QWidget* page)
{
    page->setProperty(kPageProperty, true);
}

bool IsPage(const QWidget* widget)
{
    return widget->property(kPageProperty).toBool();
}

void TranslateTexts(QWidget* window, const QString& section, const TIniFile& reader)
{
    if (window->isWindow() && !IsPage(window))
        window->setWindowTitle(
            reader.ReadString(section, window->objectName(), window->windowTitle()));
    forEachOwned(window, [&](QObject* component) { translateOne(component, section, reader); });
}

void ApplyLayout(QWidget* control, const QString& base, const TIniFile& reader)
{
    const QString positions = base + "_CtrlPos";
    const QString visibility = base + "_Visible";
    forEachOwned(control, [&](QObject* component) {
        const QString name = component->objectName();
        if (auto* action = qobject_cast<QAction*>(component)) {
            action->setVisible(reader.ReadBool(visibility, name, action->isVisible()));
            return;
        }
        auto* widget = qobject_cast<QWidget*>(component);
        if (widget == nullptr)
            return;
        if (IsPage(widget))
            ApplyLayout(widget, base + '_' + name, reader);
        const QString text = reader.ReadString(positions, name, "").trimmed();
        if (!text.isEmpty()) {
            int values[16];
            const int count = std::min(ParseIntList(text, values, 16), 4);
            QRect r = widget->geometry();
            if (count > 0)
                r.moveLeft(values[0]);
            if (count > 1)
                r.moveTop(values[1]);
            if (count > 2)
                r.setWidth(values[2]);
            if (count > 3)
                r.setHeight(values[3]);
            widget->setGeometry(r);
        }
        const bool visible = !widget->isHidden();
        const bool wanted = reader.ReadBool(visibility, name, visible);
        if (wanted != visible)
            widget->setVisible(wanted);
    });
}
