// The popup menus' items, each given its command through the run gate. The skin only shows a
// menu and calls the chosen item's click().
#include "shell/TTavorMainForm.h"

namespace tavor {

namespace {

// The item's command runs through the gate; an item without one only closes the menu.
void wire(RunGate& gate, TMenuItem& item, std::function<void()> command) {
    item.OnClick = [&gate, command = std::move(command)] { gate.run(command); };
}

}  // namespace

void TTavorMainForm::wireMenus() {
    EditorCommands& c = editorCommands();
    TPopupMenu1& m1 = PopupMenu1;
    const std::pair<TMenuItem*, void (EditorCommands::*)()> editorItems[] = {
        {&m1.N20, &EditorCommands::N20Click}, {&m1.N10, &EditorCommands::N10Click},
        {&m1.N11, &EditorCommands::N11Click}, {&m1.N12, &EditorCommands::N12Click},
        {&m1.N1, &EditorCommands::N1Click},   {&m1.N2, &EditorCommands::N2Click},
        {&m1.N4, &EditorCommands::N4Click},   {&m1.N5, &EditorCommands::N5Click},
        {&m1.N28, &EditorCommands::N28Click}, {&m1.N7, &EditorCommands::N7Click},
        {&m1.N8, &EditorCommands::N8Click},   {&m1.N14, &EditorCommands::N14Click},
        {&m1.N15, &EditorCommands::N15Click}, {&m1.N17, &EditorCommands::N17Click},
        {&m1.N25, &EditorCommands::N25Click},
    };
    for (const auto& [item, command] : editorItems)
        wire(gate, *item, [&c, command = command] { (c.*command)(); });
    for (const auto& [item, routine] : m1.tableRoutines)
        wire(gate, *item, [&c, routine = routine] { c.N23Click(routine); });
    wire(gate, m1.AG3, [this] { AG3Click(); });
    wire(gate, m1.AG4, [this] { AG4Click(); });

    GridMenuCommands& g = *gridMenuCommands_;
    const std::pair<TMenuItem*, void (GridMenuCommands::*)()> gridItems[] = {
        {&PopupMenu2.N32, &GridMenuCommands::N32Click},
        {&PopupMenu2.N33, &GridMenuCommands::N33Click},
        {&PopupMenu2.N35, &GridMenuCommands::N35Click},
        {&PopupMenu2.N36, &GridMenuCommands::N36Click},
        {&PopupMenu2.N31, &GridMenuCommands::N31Click},
    };
    for (const auto& [item, command] : gridItems)
        wire(gate, *item, [&g, command = command] { (g.*command)(); });
    wire(gate, PopupMenu2.N40, [this] { gridTab_.sortByText(); });
    wire(gate, PopupMenu2.N41, [this] { gridTab_.sortByNumber(); });
    wire(gate, PopupMenu2.N43, [this] { gridTab_.sortByAcquisition(); });
    wire(gate, PopupMenu2.AG1, [this] { AG1Click(); });
    wire(gate, PopupMenu2.AG2, [this] { AG2Click(); });
}

}  // namespace tavor
