#include "app/dialogs/AboutBox.h"

#include "app/dialogs/WindowPlacement.h"
#include "document/ProductInfo.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace zt {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString("バージョン情報 - ") + kProductName);
  setModal(false);

  auto* icon = new QLabel(this);
  const QIcon programIcon = QApplication::windowIcon().isNull()
                                ? style()->standardIcon(QStyle::SP_DesktopIcon)
                                : QApplication::windowIcon();
  icon->setPixmap(programIcon.pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);

  auto* name = new QLabel(kProductName, this);
  QFont nameFont = name->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
  nameFont.setBold(true);
  name->setFont(nameFont);
  auto* version = new QLabel(QString("version ") + kVersionText, this);
  auto* description = new QLabel("Zarnoを作成するツールです。", this);
  auto* site = new QLabel(QString("<a href=\"%1\">%1</a>").arg(kSupportSite), this);
  site->setObjectName("support_site");
  site->setOpenExternalLinks(true);
  site->setTextInteractionFlags(Qt::TextBrowserInteraction);

  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::hide);

  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(16);
  layout->addWidget(icon, 0, 0, 4, 1);
  layout->addWidget(name, 0, 1);
  layout->addWidget(version, 1, 1);
  layout->addWidget(description, 2, 1);
  layout->addWidget(site, 3, 1);
  layout->addWidget(ok, 4, 0, 1, 2, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::Present() {
  CentreOnScreen(*this);
  show();
  raise();
  activateWindow();
}

} // namespace zt
