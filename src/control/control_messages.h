// The message handlers of the document control, one group per concern. Each
// returns true when it answered the message, with the answer in `result`.
#pragma once
#include "control/control_state.h"

bool HandleTextMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandleExchangeMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandleStreamMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandleFormatMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandleScrollMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandleKeyboardMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandleMouseMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandlePrintMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool HandleClipboardMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
