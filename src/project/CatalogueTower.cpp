#include "project/CatalogueTower.h"

#include "model/TowerCatalogue.h"

namespace velt {
namespace {

// Keeps the last message; a batch run asks nothing.
class MessageKeeper : public CatalogueUi {
  public:
    explicit MessageKeeper(std::string& message) : message_(message) {}
    void showMessage(const std::string& text) override { message_ = text; }
    bool confirm(const std::string&) override { return false; }

  private:
    std::string& message_;
};

} // namespace

std::optional<TowerDefinition> readCatalogueTower(const std::string& cataloguePath,
                                                  const std::string& displayKey,
                                                  std::string& message) {
    message.clear();
    MessageKeeper ui(message);
    auto tower = ReadTower(cataloguePath, displayKey, ui);
    if (tower)
        message.clear();
    else if (message.empty())
        message = kNoSuchTowerMessage;
    return tower;
}

} // namespace velt
