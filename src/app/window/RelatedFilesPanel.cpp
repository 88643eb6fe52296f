#include "app/window/RelatedFilesPanel.h"

#include <QDesktopServices>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QListWidget>
#include <QUrl>

namespace zt {

RelatedFilesPanel::RelatedFilesPanel(QWidget* parent) : QDockWidget(QString::fromUtf8("関連ファイル"), parent) {
  setObjectName("efilewin");
  list_ = new QListWidget(this);
  list_->setObjectName("Efiles");
  setWidget(list_);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { EfilesDblClick(); });
}

void RelatedFilesPanel::SetFiles(const std::vector<std::string>& paths, const std::string& imageFolder) {
  imageFolder_ = imageFolder;
  list_->clear();
  const QFileIconProvider icons;
  for (const std::string& path : paths) {
    const QFileInfo info(QString::fromStdString(path));
    auto* item = new QListWidgetItem(info.fileName(), list_);
    item->setData(Qt::UserRole, info.filePath());
    if (info.exists()) item->setIcon(icons.icon(info));
  }
}

std::vector<std::string> RelatedFilesPanel::files() const {
  std::vector<std::string> paths;
  for (int row = 0; row < list_->count(); ++row)
    paths.push_back(list_->item(row)->data(Qt::UserRole).toString().toStdString());
  return paths;
}

void RelatedFilesPanel::EfilesDblClick() {
  QListWidgetItem* item = list_->currentItem();
  const QString target = item ? item->data(Qt::UserRole).toString() : QString::fromStdString(imageFolder_);
  QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

} // namespace zt
