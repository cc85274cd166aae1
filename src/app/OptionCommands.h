#pragma once
// The commands of the calculation's options: the accurate surface gradient, the exposure
// limits, the neighbouring lines, the field map and the series of calculations. Each option
// is kept for the next run and saved with the project.

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace velt {

class Variants;
class VeltApplication;

class OptionCommands : public QObject {
    Q_OBJECT

  public:
    struct MenuItems {
        QAction& accurateSurface; ///< Dokladnenatezenie1
        QAction& limits;          ///< Poziomydopuszczalne1
        QAction& neighbours;      ///< Liniesasiednie1
        QAction& fieldMap;        ///< Mapapola1
        QAction& series;          ///< Seriaobliczen1
    };

    /// `changed` runs after an option changed (the caption's "*" follows the project).
    OptionCommands(VeltApplication& app, QWidget& window, std::function<Variants&()> variants,
                   std::function<void()> changed, QObject* parent = nullptr);

    void connectMenu(const MenuItems& items);
    /// The menu shows the options of the set-up (after a project was opened).
    void showOptions();

  public slots:
    void Dokladnenatezenie1Click(bool checked);
    void Poziomydopuszczalne1Click();
    void Liniesasiednie1Click();
    void Mapapola1Click();
    void Seriaobliczen1Click();

  private:
    void optionsChanged();

    VeltApplication& app_;
    QWidget& window_;
    std::function<Variants&()> variants_;
    std::function<void()> changed_;
    QAction* accurateSurface_ = nullptr;
};

} // namespace velt
