#include "help_page_images.h"

#include <QImage>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace {

// A picture's own size, from the bytes or image the document holds for it.
QSize naturalSize(QTextDocument& document, const QString& name) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.canConvert<QImage>()) {
        if (const QImage image = resource.value<QImage>(); !image.isNull()) {
            return image.deviceIndependentSize().toSize();
        }
    }
    return QImage::fromData(resource.toByteArray()).size();
}

struct Change {
    int position;
    int length;
    QTextImageFormat format;
};

} // namespace

void FitImagesToWidth(QTextDocument& document, int width) {
    QList<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QSize natural = naturalSize(document, format.name());
            if (natural.isEmpty()) {
                continue;
            }
            const qreal shown = std::min<qreal>(natural.width(), std::max(1, width));
            const qreal height = natural.height() * shown / natural.width();
            if (qFuzzyCompare(format.width(), shown) && qFuzzyCompare(format.height(), height)) {
                continue;
            }
            format.setWidth(shown);
            format.setHeight(height);
            changes.append({fragment.position(), fragment.length(), format});
        }
    }
    // Applied once the walk is over: a new format may split the fragments.
    QTextCursor cursor(&document);
    for (const Change& change : changes) {
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}
