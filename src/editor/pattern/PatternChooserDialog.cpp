#include "editor/pattern/PatternChooserDialog.h"

#include "editor/pattern/BmpCodec.h"
#include "editor/pattern/GifCodec.h"
#include "editor/pattern/ImageFileType.h"
#include "editor/pattern/PatternImage.h"
#include "editor/pattern/PatternPreview.h"

#include "formats/Dialogs.h"
#include "formats/PathText.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace zt {
namespace {

constexpr int kPathRole = Qt::UserRole;

bool IsPatternFileName(const std::string& name) {
  const std::string ext = ExtractFileExt(name);
  return ext == ".gif" || ext == ".bmp" || ext == ".GIF" || ext == ".BMP";
}

// Names of the folder's regular files that may hold a pattern, in name order.
std::vector<std::string> PatternFileNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code typeError;
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(typeError) && IsPatternFileName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

void SetTextColour(QLabel* label, bool wrong) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, wrong ? QColor(Qt::red) : label->parentWidget()->palette().color(QPalette::WindowText));
  label->setPalette(palette);
}

QLabel* InformationLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setMinimumWidth(190);
  return label;
}

} // namespace

PatternChooserDialog::PatternChooserDialog(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setWindowTitle("パターンの選択");
  setModal(true);
  BuildLayout();
  ResetInformation();
}

void PatternChooserDialog::BuildLayout() {
  list_ = new QListWidget(this);
  list_->setObjectName("PatternList");
  list_->setIconSize(QSize(16, 16));
  list_->setFixedWidth(220);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);

  preview_ = new PatternPreview(this);
  preview_->setObjectName("Preview");

  folderLabel_ = new QLabel(this);
  folderLabel_->setObjectName("Folder");
  folderLabel_->setWordWrap(true);
  folderLabel_->setMaximumWidth(220);
  folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* information = new QGroupBox("情報", this);
  auto* informationLayout = new QVBoxLayout(information);
  fileName_ = InformationLabel("FileName", information);
  fileType_ = InformationLabel("FileType", information);
  widths_ = InformationLabel("Widths", information);
  heights_ = InformationLabel("Heights", information);
  fileSize_ = InformationLabel("FileSize", information);
  dataSize_ = InformationLabel("DataSize", information);
  for (QLabel* label : {fileName_, fileType_, widths_, heights_, fileSize_, dataSize_}) informationLayout->addWidget(label);
  informationLayout->addStretch();
  auto* hint = new QLabel("パターン画像の大きさ:\n320 × 800 px", information);
  hint->setWordWrap(true);
  hint->setEnabled(false);
  informationLayout->addWidget(hint);

  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  okButton_->setObjectName("OKButton");
  okButton_->setDefault(true);
  cancelButton_ = buttons->addButton("キャンセル", QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName("CancelButton");

  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(new QLabel("HTML(画像)フォルダ:", this));
  listColumn->addWidget(folderLabel_);
  listColumn->addWidget(list_, 1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(listColumn);
  columns->addWidget(preview_, 0, Qt::AlignTop);
  columns->addWidget(information);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(list_, &QListWidget::currentRowChanged, this, &PatternChooserDialog::PreviewRow);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row != previewedRow_) PreviewRow(row);
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (okButton_->isEnabled()) Confirm();
  });
  connect(okButton_, &QPushButton::clicked, this, &PatternChooserDialog::Confirm);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> PatternChooserDialog::ChoosePattern(const std::string& imageFolder) {
  SetImageFolder(imageFolder);
  RefreshPatternList();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return SelectedPath();
}

void PatternChooserDialog::SetImageFolder(const std::string& imageFolder) {
  imageFolder_ = imageFolder;
  folderLabel_->setText(FromPath(imageFolder));
}

void PatternChooserDialog::RefreshPatternList() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  const QFileIconProvider icons;
  for (const std::string& name : PatternFileNames(imageFolder_)) {
    const std::string path = imageFolder_ + name;
    auto* item = new QListWidgetItem(icons.icon(QFileInfo(FromPath(path))), FromPath(name), list_);
    item->setData(kPathRole, QByteArray::fromStdString(path));
  }
  if (list_->count() > 0) list_->setCurrentRow(0);
  previewedRow_ = -1;
  preview_->Clear();
  ResetInformation();
}

std::string PatternChooserDialog::SelectedPath() const {
  const QListWidgetItem* item = list_->currentItem();
  return item ? item->data(kPathRole).toByteArray().toStdString() : std::string();
}

void PatternChooserDialog::PreviewRow(int row) {
  const QListWidgetItem* item = row >= 0 ? list_->item(row) : nullptr;
  if (!item) return;
  previewedRow_ = row;
  const std::string path = item->data(kPathRole).toByteArray().toStdString();

  // Only what the file's bytes say is a BMP or a GIF can be a pattern.
  const ImageFileType type = DetectImageFileType(path);
  std::optional<DecodedPicture> picture;
  if (type == ImageFileType::Bmp) picture = DecodeBmp(path);
  else if (type == ImageFileType::Gif) picture = DecodeGif(path);

  ResetInformation();
  fileName_->setText("FileName " + FromPath(ExtractFileName(path)));
  if (type == ImageFileType::Other) {
    preview_->Clear();
    return;
  }
  fileType_->setText(type == ImageFileType::Bmp ? "FileType BMP" : "FileType GIF");
  if (!picture || !preview_->ShowPicture(picture->image)) {
    preview_->Clear();
    dialogs_.Notify("表示できませんでした");
    return;
  }
  ShowInformation(path, *picture);
  okButton_->setEnabled(true);
}

void PatternChooserDialog::ShowInformation(const std::string& path, const DecodedPicture& picture) {
  const int width = picture.image.width(), height = picture.image.height();
  widths_->setText(QString("Width %1px").arg(width));
  SetTextColour(widths_, width != PatternImage::kWidth);
  heights_->setText(QString("Height %1px").arg(height));
  SetTextColour(heights_, height != PatternImage::kHeight);
  std::error_code error;
  const auto fileSize = std::filesystem::file_size(path, error);
  fileSize_->setText(QString("FileSize %1Bytes").arg(error ? 0 : static_cast<qulonglong>(fileSize)));
  dataSize_->setText(QString("DataSize %1Bytes").arg(static_cast<qlonglong>(picture.dataSize)));
}

// The labels as they are before a preview, and OK disabled.
void PatternChooserDialog::ResetInformation() {
  fileName_->setText("FileName");
  fileType_->setText("FileType");
  widths_->setText("Width");
  heights_->setText("Height");
  fileSize_->setText("FileSize");
  dataSize_->setText("DataSize");
  SetTextColour(widths_, false);
  SetTextColour(heights_, false);
  okButton_->setEnabled(false);
}

void PatternChooserDialog::Confirm() {
  if (!list_->currentItem()) return;
  accept();
}

} // namespace zt
