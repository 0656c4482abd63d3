#include "pcbadlg.h"

#include <QLineEdit>

#include "image/settings_codes.h"
#include "pcba_code_validator.h"
#include "pcba_key_filter.h"
#include "shell/dialog_template.h"
#include "shell/qt_text.h"

namespace {

constexpr int kCodeLength = 16;

// OK comes first in the template; the Tab order follows the screen, so the
// code box comes first, and the focus starts there.
constexpr DialogControl kControls[] = {
    {1, ControlKind::DefaultButton, QT_TRANSLATE_NOOP("Dialog166", "OK"), 110, 29, 39, 14},
    {2, ControlKind::Button, QT_TRANSLATE_NOOP("Dialog166", "Cancel"), 157, 29, 39, 14},
    {-1, ControlKind::RightLabel, QT_TRANSLATE_NOOP("Dialog166", "PCBA"), 11, 10, 59, 12},
    {CPcbaDlg::kIdCode, ControlKind::Edit, nullptr, 73, 10, 123, 12},
};
constexpr DialogTemplate kTemplate{CPcbaDlg::kTemplateId,
                                   QT_TRANSLATE_NOOP("Dialog166", "PCBA"),
                                   203,
                                   53,
                                   kControls,
                                   "Times New Roman",
                                   9};

} // namespace

CPcbaDlg::CPcbaDlg(zrx::RadioImage& image, QWidget* parent) : QDialog(parent), m_image(image) {
    BuildDialog(this, kTemplate);
    m_code = qobject_cast<QLineEdit*>(DialogItem(this, kIdCode));
    m_validator = new PcbaCodeValidator(m_code);
    m_code->setValidator(m_validator);
    m_code->installEventFilter(new PcbaKeyFilter(m_code));
    OnInitDialog();
}

void CPcbaDlg::OnInitDialog() {
    m_code->setMaxLength(kCodeLength);
    const QString stored = toQString(zrx::decodePcbaCode(m_image));
    m_validator->AcceptAsShown(stored);
    m_code->setText(stored);
    // What the user types goes into the box, and Space never ends the dialog.
    m_code->setFocus(Qt::OtherFocusReason);
}

void CPcbaDlg::accept() {
    zrx::encodePcbaCode(m_image, m_code->text().toUtf8().toStdString());
    QDialog::accept();
}
