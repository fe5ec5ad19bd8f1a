#pragma once

namespace Korvex {

class CKorvexBasicAction;

/// Makes an empty action of an archived kind tag, for the kinds registered at start-up.
class CKorvexActionFactory
{
public:
    using Maker = CKorvexBasicAction* (*)();

    static void Register(int kind, Maker maker);
    static bool IsRegistered(int kind);
    /// A new action without references, or null for an unknown kind.
    static CKorvexBasicAction* Create(int kind);
};

/// Registers every action kind of the core library; call once before any action is read.
void registerCoreArchivable();

} // namespace Korvex
