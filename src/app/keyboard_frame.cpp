#include "app/keyboard_frame.h"

CKeyboardFrame::CKeyboardFrame(const FramePorts& ports) : m_ports(ports) {}

CKeyboardFrame::~CKeyboardFrame() = default;
