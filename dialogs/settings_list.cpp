#include "settings_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>

#include "shell/qt_text.h"
#include "image/settings_lists.h"

void FillSettingsList(QComboBox* list, zrx::SettingsField field, zrx::Language language) {
    list->clear();
    int widest = 0;
    const QFontMetrics metrics(list->font());
    for (const std::string& entry : zrx::entries(field, language)) {
        const QString text = toQString(entry);
        list->addItem(text);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    // A list narrower than its entries opens wider than its box rather than
    // cutting them off.
    const int margins = 4 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list);
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->view()->setMinimumWidth(widest + margins + scrollBar + 8);
}

void ShowSetting(QComboBox* list, const zrx::RadioImage& image, zrx::SettingsField field) {
    list->setCurrentIndex(zrx::decodeSelection(image, field).value_or(-1));
}

void StoreSetting(const QComboBox* list, zrx::RadioImage& image, zrx::SettingsField field) {
    const int selected = list->currentIndex();
    zrx::encodeSelection(image, field, selected >= 0 ? std::optional<int>(selected) : std::nullopt);
}
