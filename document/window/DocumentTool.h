#pragma once
// The editing tools of a document window, numbered as the toolbar orders them.
enum class DocumentTool { kArrow = 0, kHide = 1, kLock = 2, kPen = 3 };
