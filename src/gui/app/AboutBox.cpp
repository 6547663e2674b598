#include "gui/app/AboutBox.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::gui {

namespace {

QLabel* label(const QString& text, int pixelSize, bool bold, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    QFont font = parent->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    result->setFont(font);
    return result;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    if (parent != nullptr) setFont(parent->font());

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/tarvo-posts.svg")).pixmap(48, 48));
    auto* title = label(QStringLiteral("木造柱の設計"), 21, true, panel);
    title->setObjectName(QStringLiteral("ProductName"));
    auto* version = label(versionText(), 15, false, panel);
    version->setObjectName(QStringLiteral("Version"));
    auto* notice = label(QStringLiteral("木造軸組の柱を許容応力度設計で検定します。\n"
                                        "計算結果は設計者ご自身の責任でご確認ください。"),
                         15, false, panel);
    notice->setObjectName(QStringLiteral("Comments"));
    notice->setWordWrap(true);

    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    head->addSpacing(8);
    head->addWidget(title, 1, Qt::AlignVCenter);
    auto* inner = new QVBoxLayout(panel);
    inner->addLayout(head);
    inner->addSpacing(6);
    inner->addWidget(version);
    inner->addWidget(notice);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(buttons, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutBox::versionText() {
    return QStringLiteral("Version：　") + QStringLiteral(TARVO_VERSION_TEXT);
}

} // namespace tarvo::gui
