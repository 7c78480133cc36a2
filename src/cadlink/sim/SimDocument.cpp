#include "cadlink/sim/SimDocument.h"

#include "cadlink/CadError.h"
#include "cadlink/sim/SimEntities.h"
#include "cadlink/sim/SimSelectionSets.h"

namespace tavor::cad::sim {

namespace {

class SimLayer : public Layer {
public:
    SimLayer(std::shared_ptr<SimCad> cad, std::size_t index)
        : cad_(std::move(cad)), index_(index) {}
    std::u16string Name() override {
        cad_->enter(u"Name");
        return record().name;
    }
    bool Lock() override {
        cad_->enter(u"Lock");
        return record().locked;
    }

private:
    const LayerRecord& record() const { return cad_->drawing().layers().at(index_); }
    std::shared_ptr<SimCad> cad_;
    std::size_t index_;
};

class SimLayers : public Layers {
public:
    explicit SimLayers(std::shared_ptr<SimCad> cad) : cad_(std::move(cad)) {}
    std::int32_t Count() override {
        cad_->enter(u"Count");
        return static_cast<std::int32_t>(cad_->drawing().layers().size());
    }
    std::shared_ptr<Layer> Item(std::int32_t index) override {
        cad_->enter(u"Item");
        return std::make_shared<SimLayer>(cad_,
                                          checkedIndex(index, cad_->drawing().layers().size()));
    }

private:
    std::shared_ptr<SimCad> cad_;
};

class SimBlockEntity : public BlockEntity {
public:
    SimBlockEntity(std::shared_ptr<SimCad> cad, std::size_t block, std::size_t entity)
        : cad_(std::move(cad)), block_(block), entity_(entity) {}
    std::u16string EntityName() override {
        cad_->enter(u"EntityName");
        return record().entityName;
    }
    std::u16string TagString() override {
        cad_->enter(u"TagString");
        return attributeDefinition().tag;
    }
    std::u16string PromptString() override {
        cad_->enter(u"PromptString");
        return attributeDefinition().prompt;
    }

private:
    const BlockEntityRecord& record() const {
        return cad_->drawing().blocks().at(block_).entities.at(entity_);
    }
    const BlockEntityRecord& attributeDefinition() const {
        const BlockEntityRecord& r = record();
        if (r.entityName != u"AcDbAttributeDefinition")
            throw CadError(u"The entity " + r.entityName + u" has no such property.");
        return r;
    }
    std::shared_ptr<SimCad> cad_;
    std::size_t block_, entity_;
};

class SimBlockDefinition : public BlockDefinition {
public:
    SimBlockDefinition(std::shared_ptr<SimCad> cad, std::size_t index)
        : cad_(std::move(cad)), index_(index) {}
    std::u16string Name() override {
        cad_->enter(u"Name");
        return record().name;
    }
    std::int32_t Count() override {
        cad_->enter(u"Count");
        return static_cast<std::int32_t>(record().entities.size());
    }
    std::shared_ptr<BlockEntity> Item(std::int32_t index) override {
        cad_->enter(u"Item");
        return std::make_shared<SimBlockEntity>(cad_, index_,
                                                checkedIndex(index, record().entities.size()));
    }

private:
    const BlockRecord& record() const { return cad_->drawing().blocks().at(index_); }
    std::shared_ptr<SimCad> cad_;
    std::size_t index_;
};

class SimBlocks : public Blocks {
public:
    explicit SimBlocks(std::shared_ptr<SimCad> cad) : cad_(std::move(cad)) {}
    std::int32_t Count() override {
        cad_->enter(u"Count");
        return static_cast<std::int32_t>(cad_->drawing().blocks().size());
    }
    std::shared_ptr<BlockDefinition> Item(std::int32_t index) override {
        cad_->enter(u"Item");
        return std::make_shared<SimBlockDefinition>(
            cad_, checkedIndex(index, cad_->drawing().blocks().size()));
    }

private:
    std::shared_ptr<SimCad> cad_;
};

class SimDocument : public Document {
public:
    explicit SimDocument(std::shared_ptr<SimCad> cad) : cad_(std::move(cad)) {}

    std::shared_ptr<Layers> GetLayers() override {
        cad_->enter(u"GetLayers");
        return std::make_shared<SimLayers>(cad_);
    }
    std::shared_ptr<SelectionSets> GetSelectionSets() override {
        cad_->enter(u"GetSelectionSets");
        return makeSelectionSetsObject(cad_);
    }
    std::shared_ptr<Object> GetObjectByHandle(const Handle& handle) override {
        cad_->enter(u"GetObjectByHandle");
        const auto id = parseHandle(handle);
        if (!id)
            throw CadError(u"No object has the handle \"" + handle + u"\".");
        return makeEntityObject(cad_, *id);
    }
    std::shared_ptr<Blocks> GetBlocks() override {
        cad_->enter(u"Blocks");
        return std::make_shared<SimBlocks>(cad_);
    }
    void RegenerateDisplay(std::int32_t) override {
        cad_->enter(u"RegenerateDisplay");
        cad_->regenerate();
    }
    Variant GetSystemVariable(const std::u16string& name) override {
        cad_->enter(u"GetSystemVariable");
        if (sameNameIgnoringCase(name, u"VIEWSIZE"))
            return cad_->view().height;
        if (sameNameIgnoringCase(name, u"VIEWCTR"))
            return cad_->view().centre;
        throw CadError(u"The system variable \"" + name + u"\" is unknown.");
    }
    WindowId GetDocumentWindowHandle() override {
        cad_->enter(u"GetDocumentWindowHandle");
        return cad_->documentWindow();
    }
    void BeginBulkUpdate() override { cad_->enter(u"BeginBulkUpdate"); }
    void StartUndoMark() override {
        cad_->enter(u"StartUndoMark");
        cad_->drawing().startUndoMark();
    }
    void EndUndoMark() override {
        cad_->enter(u"EndUndoMark");
        cad_->drawing().endUndoMark();
    }

private:
    std::shared_ptr<SimCad> cad_;
};

class SimApplication : public Application {
public:
    explicit SimApplication(std::shared_ptr<SimCad> cad) : cad_(std::move(cad)) {}

    WindowId GetMainWindowHandle() override {
        cad_->enter(u"GetMainWindowHandle");
        return cad_->mainWindow();
    }
    std::shared_ptr<Document> GetActiveDocument() override {
        cad_->enter(u"GetActiveDocument");
        return makeDocumentObject(cad_);
    }
    void ZoomWindow(const Point& lowerLeft, const Point& upperRight) override {
        cad_->enter(u"ZoomWindow");
        cad_->zoomWindow(lowerLeft, upperRight);
    }

private:
    std::shared_ptr<SimCad> cad_;
};

}  // namespace

std::shared_ptr<Application> makeApplicationObject(const std::shared_ptr<SimCad>& cad) {
    return std::make_shared<SimApplication>(cad);
}

std::shared_ptr<Document> makeDocumentObject(const std::shared_ptr<SimCad>& cad) {
    return std::make_shared<SimDocument>(cad);
}

}  // namespace tavor::cad::sim
