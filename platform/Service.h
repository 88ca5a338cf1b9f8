#pragma once

// A process-wide slot for one platform service (dialogs, shell, printers, ...).
// The program uses the default implementation; a test installs its own for a scope:
//
//     ScriptedDialogs script;
//     Service<DialogAdapter>::Override use(script);
//
// Each service defines its default by specialising ServiceDefault<Interface>::get()
// in the file of its real implementation.
namespace lccd {

template <typename Interface> struct ServiceDefault { static Interface& get(); };

template <typename Interface> class Service {
public:
    static Interface& current() {
        return installed_ ? *installed_ : ServiceDefault<Interface>::get();
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
