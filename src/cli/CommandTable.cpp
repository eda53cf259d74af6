#include "cli/CliCommand.h"

// Each command lives in its own file; a new one adds its declaration and table line here.
TCliCommand InfoCommand();
TCliCommand SortCommand();
TCliCommand ConvertCommand();
TCliCommand RenderCommand();
TCliCommand LDrawCommandCommand();
TCliCommand PovSceneCommand();
TCliCommand PovPatchCommand();
TCliCommand PovCommand();
TCliCommand SequenceCommand();
TCliCommand PartsCommand();
TCliCommand InstructionsCommand();

const std::vector<TCliCommand>& CliCommands() {
    static const std::vector<TCliCommand> commands = {
        InfoCommand(),         SortCommand(),     ConvertCommand(),      RenderCommand(),
        LDrawCommandCommand(), PovSceneCommand(), PovPatchCommand(),     PovCommand(),
        SequenceCommand(),     PartsCommand(),    InstructionsCommand(),
    };
    return commands;
}
