#pragma once

namespace vantor {

/// Services that model operations ask of the program around them (for now the wait
/// cursor). The GUI installs its own implementation; without one every service does
/// nothing, so the model, the command-line tool and the tests need none.
class ModelServices {
public:
    virtual ~ModelServices() = default;

    /// Shows the wait cursor. Calls nest: every BeginWait is paired with one EndWait.
    virtual void BeginWait() {}
    virtual void EndWait() {}

    /// The installed services, or the do-nothing default.
    static ModelServices& Get();
    /// Installs `services` (not owned; it must outlive its installation). Null restores
    /// the default. User-interface thread only.
    static void Install(ModelServices* services);

    /// Shows the wait cursor for the guard's lifetime.
    class Wait {
    public:
        Wait() : m_services(Get()) { m_services.BeginWait(); }
        ~Wait() { m_services.EndWait(); }
        Wait(const Wait&) = delete;
        Wait& operator=(const Wait&) = delete;

    private:
        ModelServices& m_services;
    };

protected:
    ModelServices() = default;
    ModelServices(const ModelServices&) = default;
    ModelServices& operator=(const ModelServices&) = default;
};

} // namespace vantor
