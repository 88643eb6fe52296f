#pragma once
// The settings page of the main window: the game parameters on nine
// sub-pages, the HTML header and footer of the page on the first one, and
// the header and footer maker that fills them.

#include "app/settings/ColourChooser.h"
#include "app/settings/ParameterControl.h"
#include "app/settings/SettingsPageBuilder.h"
#include "document/StageType.h"
#include "document/TileCatalogue.h"

#include <QString>
#include <QWidget>

#include <vector>

class QPlainTextEdit;
class QTabWidget;

namespace zt {

class HeaderFooterMaker;
class StageDocument;

class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  // `chooser` answers the "..." buttons of the colour groups; empty opens
  // the colour dialog.
  explicit SettingsPage(QWidget* parent = nullptr, ColourChooser chooser = {});
  ~SettingsPage() override;

  // Fills the controls of the document's type from the document (the
  // common ones always, the four-stage ones for four-stage and map
  // documents, the map ones for map documents) and the memos from its
  // header and footer lines; remembers the background colour.
  void ShowSettings(const StageDocument& doc);
  // Stores the controls of the document's type and the memos in the
  // document. Only what the user changed since ShowSettings (or the last
  // take) is stored, so a visit changes no value, and controls that do not
  // show the document's current values never overwrite them.
  void TakeSettings(StageDocument& doc);
  // Stores every control and both memos, whatever the type and whether
  // changed or not: how the start-up document takes the initial values of
  // all controls, the map ones included.
  void TakeAllSettings(StageDocument& doc);
  // Whether the document's background colour differs from the one the last
  // ShowSettings remembered (before any, from the start-up colour).
  bool BackgroundChanged(const StageDocument& doc) const;

  // Enables the groups and controls that apply to a type.
  void EnableForType(StageType type);

  // "ヘッダ フッタ作成": shows the header and footer maker.
  void Button13Click();
  HeaderFooterMaker& headerFooterMaker() { return *maker_; }

 private:
  QWidget* BuildHeaderFooterPanel();
  void FillMemos(const QStringList& header, const QStringList& footer);

  std::vector<ParameterControl> controls_;
  std::vector<SettingsPageBuilder::Section> sections_;
  QTabWidget* tabs_ = nullptr;
  QPlainTextEdit* headerMemo_ = nullptr;
  QPlainTextEdit* footerMemo_ = nullptr;
  HeaderFooterMaker* maker_ = nullptr;
  QString headerShown_; // the memo texts last shown or taken
  QString footerShown_;
  Rgb shownBackground_;
};

} // namespace zt
