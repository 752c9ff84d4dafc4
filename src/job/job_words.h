// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Marks a sentence of the core for the desktop's translation tools: the core keeps the
// English text, the desktop looks it up under `context` when it shows it.
#ifndef ARCWRIGHT_TR_NOOP
#define ARCWRIGHT_TR_NOOP(context, text) text
#endif
