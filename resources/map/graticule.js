// Coordinate grid for the map when no tiles can be shown: meridians and parallels at a spacing
// that suits the zoom, labelled at the edges of the view. One canvas covers the map container
// below the map's panes, so the route and the marker stay on top; it is redrawn on every move.
(function () {
    'use strict';

    var STEPS = [45, 30, 20, 10, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001,
                 0.0005, 0.0002, 0.0001];
    var PIXELS_PER_LINE = 90;

    function chooseStep(span, pixels) {
        var wanted = span * PIXELS_PER_LINE / Math.max(pixels, 1);
        for (var i = STEPS.length - 1; i >= 0; --i) {
            if (STEPS[i] >= wanted)
                return STEPS[i];
        }
        return STEPS[0];
    }

    function decimalsFor(step) {
        return Math.max(0, Math.ceil(-Math.log10(step) - 1e-9));
    }

    function label(value, decimals, positive, negative) {
        var text = Math.abs(value).toFixed(decimals);
        if (Number(text) === 0)
            return text + '\u00b0';
        return text + '\u00b0' + (value > 0 ? positive : negative);
    }

    L.Graticule = L.Layer.extend({
        options: {
            lineColor: 'rgba(205, 218, 232, 0.16)',
            textColor: 'rgba(214, 224, 235, 0.85)',
            haloColor: 'rgba(31, 37, 45, 0.9)',
            font: '10px "Helvetica Neue", Helvetica, Arial, sans-serif'
        },

        // A layer keeps only the options of its class unless it takes those it is given:
        // without this the grid never learns where the offline notice ends.
        initialize: function (options) {
            L.setOptions(this, options);
        },

        onAdd: function (map) {
            var canvas = L.DomUtil.create('canvas', 'tvk-graticule');
            canvas.style.position = 'absolute';
            canvas.style.left = '0';
            canvas.style.top = '0';
            canvas.style.zIndex = '1';
            canvas.style.pointerEvents = 'none';
            var container = map.getContainer();
            container.insertBefore(canvas, container.firstChild);
            this._canvas = canvas;
            map.on('move zoom resize viewreset', this._redraw, this);
            this._redraw();
        },

        onRemove: function (map) {
            map.off('move zoom resize viewreset', this._redraw, this);
            L.DomUtil.remove(this._canvas);
            this._canvas = null;
        },

        // Spacing of the lines now drawn, in degrees of latitude and of longitude.
        steps: function () {
            return this._steps || null;
        },

        // The lines whose latitudes are labelled, as y in the view.
        labelledLatitudes: function () {
            return this._labelled || [];
        },

        _redraw: function () {
            var map = this._map;
            if (!map || !this._canvas)
                return;
            var size = map.getSize();
            var ratio = window.devicePixelRatio || 1;
            var canvas = this._canvas;
            canvas.width = Math.round(size.x * ratio);
            canvas.height = Math.round(size.y * ratio);
            canvas.style.width = size.x + 'px';
            canvas.style.height = size.y + 'px';
            var ctx = canvas.getContext('2d');
            ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
            ctx.clearRect(0, 0, size.x, size.y);
            if (size.x <= 0 || size.y <= 0)
                return;

            var bounds = map.getBounds();
            var south = Math.max(bounds.getSouth(), -85);
            var north = Math.min(bounds.getNorth(), 85);
            var west = bounds.getWest();
            var east = bounds.getEast();
            var latStep = chooseStep(north - south, size.y);
            var lngStep = chooseStep(east - west, size.x);
            this._steps = [latStep, lngStep];
            var middle = (south + north) / 2;

            var lines = [];
            for (var i = Math.ceil(south / latStep); i * latStep <= north; ++i) {
                var lat = i * latStep;
                var y = Math.round(map.latLngToContainerPoint([lat, west]).y) + 0.5;
                lines.push({ y: y, text: label(lat, decimalsFor(latStep), 'N', 'S') });
            }
            var columns = [];
            for (var j = Math.ceil(west / lngStep); j * lngStep <= east; ++j) {
                var lng = j * lngStep;
                var x = Math.round(map.latLngToContainerPoint([middle, lng]).x) + 0.5;
                var wrapped = ((lng + 180) % 360 + 360) % 360 - 180;
                columns.push({ x: x, text: label(wrapped, decimalsFor(lngStep), 'E', 'W') });
            }

            ctx.strokeStyle = this.options.lineColor;
            ctx.lineWidth = 1;
            ctx.beginPath();
            lines.forEach(function (line) {
                ctx.moveTo(0, line.y);
                ctx.lineTo(size.x, line.y);
            });
            columns.forEach(function (column) {
                ctx.moveTo(column.x, 0);
                ctx.lineTo(column.x, size.y);
            });
            ctx.stroke();

            ctx.font = this.options.font;
            ctx.lineWidth = 3;
            ctx.lineJoin = 'round';
            ctx.strokeStyle = this.options.haloColor;
            ctx.fillStyle = this.options.textColor;
            // Latitudes along the right edge, just above their line; longitudes along the
            // bottom edge, centred on theirs.
            ctx.textAlign = 'right';
            ctx.textBaseline = 'bottom';
            // Labels under a notice at the top of the view would be hidden: left out.
            var top = 14 + (this.options.labelTop ? this.options.labelTop() : 0);
            var shown = [];
            lines.forEach(function (line) {
                if (line.y < top || line.y > size.y - 18)
                    return;
                shown.push(line.y);
                ctx.strokeText(line.text, size.x - 5, line.y - 2);
                ctx.fillText(line.text, size.x - 5, line.y - 2);
            });
            this._labelled = shown;
            ctx.textAlign = 'center';
            ctx.textBaseline = 'bottom';
            columns.forEach(function (column) {
                if (column.x < 30 || column.x > size.x - 60)
                    return;
                ctx.strokeText(column.text, column.x, size.y - 4);
                ctx.fillText(column.text, column.x, size.y - 4);
            });
        }
    });

    L.graticule = function (options) {
        return new L.Graticule(options);
    };
})();
