#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "resources/CommandIds.h"

namespace sorna {

// A reading function a hardware button can carry.
struct KeyFunction {
    CommandId command;
    std::u16string_view label;
};

inline constexpr size_t kKeyFunctionCount = 14;

// What a key slot stores is an index into this table; index 0 means the button is not used.
// Line and page steps move through the text whatever the rotation.
inline constexpr std::array<KeyFunction, kKeyFunctionCount> KeyFunctionTable = {{
    {IDC_NONE, u"사용안함"},
    {IDM_PAGE_UP, u"이전 페이지"},
    {IDM_PAGE_DOWN, u"다음 페이지"},
    {IDM_LINE_DOWN, u"다음줄"},
    {IDM_LINE_UP, u"이전줄"},
    {IDM_FULLSCREEN, u"전체화면 전환"},
    {IDM_ROTATE, u"돌려보기 전환"},
    {IDM_AUTOSCROLL, u"자동읽기 전환"},
    {IDM_FIND, u"찾기"},
    {IDM_OPEN, u"열기"},
    {IDM_SETTINGS, u"설정"},
    {IDM_EXIT, u"종료"},
    {IDM_NEXT_CHAPTER, u"다음 장"},
    {IDM_PREVIOUS_CHAPTER, u"이전 장"},
}};

}  // namespace sorna
