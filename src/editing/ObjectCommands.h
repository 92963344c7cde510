#pragma once
// Commands on the selected object: re-stacking, copy, cut, paste, the
// background picture and the picture menu's commands.
namespace zep {

class Editor;

class ObjectCommands {
public:
    explicit ObjectCommands(Editor& editor) : ed_(editor) {}

    // Stacking; p is the selection's list position (1-based).
    void BringForward(int p);
    void SendBackward(int p);
    void BringToFront(int p);
    void SendToBack(int p);
    // The menu commands: find the selection's position and run the routine.
    void up() { run(&ObjectCommands::BringForward); }
    void down() { run(&ObjectCommands::SendBackward); }
    void toFront() { run(&ObjectCommands::BringToFront); }
    void toBack() { run(&ObjectCommands::SendToBack); }

    void CopyCommand();
    void CutCommand();
    void PasteCommand();
    void ClearBackground();

    void edit();               // 편집: the object's dialog
    void sizeEdit();           // Size조절
    void RestorePictureSize(); // 원래크기로...
    void changePicture();      // 그림바꾸기
    void changeBackground();   // 배경넣기 / 배경바꾸기

private:
    Editor& ed_;
    void run(void (ObjectCommands::*routine)(int));
    void CopySelection();
    void PasteClipboard();
};

} // namespace zep
