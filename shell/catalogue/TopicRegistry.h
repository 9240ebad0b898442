#pragma once
// The topic registry: every topic window class of the program with its text
// page, worksheet section and the commands it handles, and the catalogue of the
// main menu (which item of which subject menu creates which class, with which
// caption page).
//
// How a topic replaces its placeholder
// ------------------------------------
// Until a class has a factory, its menu items open a placeholder window of the
// right class name, title and size. A topic adds its real window in its
// area's registration function, touching no shell code (topics/frame/README.md,
// "Registering a topic"). The class names itself once, in its ClassName
// constant, which both its constructor and the registration use:
//
//   class TFggT : public TopicWindow {
//   public:
//     static constexpr std::string_view ClassName = "TFggT";
//     explicit TFggT(QWidget* owner = nullptr);   // : TopicWindow(owner, ClassName)
//   };
//   void RegisterAlgebraTopics() {
//     RegisterTopicWindow<TFggT>();
//     ...
//   }
//
// Registration is explicit: the program calls every area's function at start,
// so nothing relies on the linker keeping an object file that no code refers to.
#include <QString>
#include <functional>
#include <span>
#include <string_view>

#include "shell/TopicWindowBase.h"
#include "shell/texts/Texts.h"

class QWidget;

namespace zw {

struct TopicClassInfo {
  std::string_view className;  // "TFggT"
  TTextIndex page;             // the window's own text page (`tx`)
  std::string_view section;    // worksheet section; empty for the calculators
                               // and the logistic-growth window (CSV files)
  CommandSet handles;          // commands the class handles
  bool csvWorksheet = false;   // Load/Save/Demo use CSV files instead of ".dat"
};

// The subject menus that hold topics (the menu column numbers of the tiles).
enum class SubjectMenu { Algebra = 1, Geometry2D = 2, Geometry3D = 3, Analysis = 4, Stochastics = 5,
                         LinearAlgebra = 6 };

struct CatalogueItem {
  enum class Kind { Topic, Submenu, Calculator };
  SubjectMenu menu;
  std::string_view name;       // component name, such as "MPrim"
  TTextIndex captionPage;      // caption: GetText(captionPage, 0)
  Kind kind = Kind::Topic;
  std::string_view className;  // the class a click creates (Topic items)
  std::string_view parent;     // the submenu item that holds this item, or empty
  bool separatorAfter = false;
};

// All topic classes, and the catalogue items in menu order.
std::span<const TopicClassInfo> topicClasses();
std::span<const CatalogueItem> catalogueItems();

const TopicClassInfo* findTopicClass(std::string_view className);
const CatalogueItem* findCatalogueItem(std::string_view itemName);

// Page whose item 0 captions a subject menu and its tile (IGeo serves both
// geometry menus).
TTextIndex subjectPage(SubjectMenu menu);

// ----- factories -----
using TopicFactory = std::function<TopicWindowBase*(QWidget* owner)>;

class TopicFactoryRegistration {
public:
  // Registers (or replaces) the factory of a class of the registry.
  TopicFactoryRegistration(std::string_view className, TopicFactory factory);
};

bool hasTopicFactory(std::string_view className);
// Removes a registered factory (tests).
void unregisterTopicFactory(std::string_view className);

// A new window of the class with the given owner: the registered factory's
// window, else a placeholder. Null only for a class that the registry lacks.
TopicWindowBase* createTopicWindow(std::string_view className, QWidget* owner);

}  // namespace zw
