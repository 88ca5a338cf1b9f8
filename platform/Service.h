#pragma once

#include <QtGlobal>

#include <typeinfo>

// A process-wide slot for the one service the windows reach without being handed it: the
// dialog adapter, at the edge between the windows and the user. main() installs the desktop's
// implementation, a test its script, each for a scope:
//
//     ScriptedDialogs script;
//     Service<DialogAdapter>::Override use(script);
//
// Every other service is passed to whoever uses it.
namespace lccd {

template <typename Interface> class Service {
public:
    static Interface& current() {
        if (!installed_)
            qFatal("no %s is installed", typeid(Interface).name());
        return *installed_;
    }

    // Installs an implementation until the end of the scope, then restores the previous one.
    class Override {
    public:
        explicit Override(Interface& replacement) : previous_(installed_) {
            installed_ = &replacement;
        }
        ~Override() { installed_ = previous_; }
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;

    private:
        Interface* previous_;
    };

private:
    static inline Interface* installed_ = nullptr;
};

} // namespace lccd
