#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/frame_ports.h"
#include "face/image.h"
#include "face/legend_mask.h"
#include "face/pressed_look.h"
#include "model/face_key.h"
#include "model/geometry.h"
#include "model/options.h"

// The main window's state and logic. The Win32 window forwards its messages
// here; everything it decides is decided in this class, which reaches the
// platform only through the ports it is given.
class CKeyboardFrame {
public:
    static constexpr int kMaxKeys = 100;

    explicit CKeyboardFrame(const FramePorts& ports);
    ~CKeyboardFrame();
    CKeyboardFrame(const CKeyboardFrame&) = delete;
    CKeyboardFrame& operator=(const CKeyboardFrame&) = delete;

    // --- Key table ---
    void LoadKeyTable(int faceIndex);
    FaceKey* FindKey(const std::string& character) const; // nullptr when unknown
    void DeleteKeys();

    // --- Settings files ---
    void LoadSettings(const std::uint32_t* commandLineOptions);
    Colour ReadColour(unsigned defaultId, const char* file, const char* key);
    void SaveOptions();
    int PickColour(Colour* colour, const char* key);

    // --- Assignment store ---
    void LoadAssignments();
    void SaveAssignments();

    // --- Face picture and painting ---
    bool LoadFace(const std::string& resourceName);
    bool BuildLegendMask();
    int FaceWidth() const { return m_bmpFace.Width(); }
    int FaceHeight() const { return m_bmpFace.Height(); }
    // Composes the face with every key's state; the window shows the result.
    const Image& OnPaint();
    // The picture the window shows now, pressed key included.
    const Image& CurrentFrame() const { return m_frame; }
    void DrawKeyPressed(bool down, const Rect& rect);

    // --- Main window: handlers the Win32 window forwards ---
    void OnCreate();
    bool OnCommand(unsigned wParam, long lParam);
    bool OnSysCommand(unsigned nID, long lParam); // false: the platform's default handling
    std::vector<std::pair<unsigned, bool>> MenuCheckMarks() const;
    std::string MenuPrompt(unsigned id) const;
    void OnMove(int x, int y);
    void OnSize(int type);
    void OnClose();

    // Members that the assignment list, the group import and launching fill in.
    bool ShowAssignmentList(bool expandPopups);
    void BuildGroupLists(const std::string& programListFile);
    void LaunchCommand(const std::string& command, const std::string* directory);

    // The key table: the map by character, and the keys in load order.
    std::map<std::string, FaceKey*> m_mapKeys;
    int m_nKeys = 0;
    std::array<char, kMaxKeys> m_keyChars{};
    std::array<FaceKey*, kMaxKeys> m_keys{};

    // Texts and file names.
    std::string m_strNone, m_strNotAssignable, m_strClickHint;
    std::string m_strIniFile, m_strCfgFile, m_strPrgFile, m_strFaceFile, m_strKeyFile;
    std::string m_strWindowsDir;
    std::string m_strStartupSound, m_strSwitchToSound;

    // Options word and colours.
    std::uint32_t m_nOptions = 0;
    Colour m_crHighlite = 0, m_crDisable = 0, m_crMark = 0, m_crHint = 0, m_crWhite = 0,
           m_crDarkGray = 0;

    int m_bDebug = 0;

    // The face, its legend mask, the scratch for a pressed key, and the frame shown.
    Image m_bmpFace;
    LegendMask m_bmpMask;
    PressedLook m_bmpKeySave{ScratchSize{}};
    Image m_frame;
    Rect m_rectPressed;

    // The popup list shown last.
    std::string m_strPopupName;
    FaceKey* m_pPopupKey = nullptr;

protected:
    FramePorts m_ports;

private:
    void ToggleOption(std::uint32_t bit);
    void ApplyTopmost(long lParam);
    void LaunchPopupItem(unsigned index);
    void ShowNoHelp();

    std::vector<std::unique_ptr<FaceKey>> m_ownedKeys; // every key built, in load order
};
